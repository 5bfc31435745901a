#pragma once

#include <span>
#include <string_view>

// Exit status of every command.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1; // invalid input or a failed write
inline constexpr int ExitUsage = 2;

// Each command's own usage: on standard output for --help, on standard error after a mistake.
extern const char* const ExportUsage;
extern const char* const CheckUsage;
extern const char* const RenderUsage;
extern const char* const ImportUsage;
extern const char* const StatsUsage;
extern const char* const CompareUsage;
extern const char* const GenerateUsage;

// Each command gets the arguments after its own name.
int runExport(std::span<const std::string_view> args);
int runCheck(std::span<const std::string_view> args);
int runRender(std::span<const std::string_view> args);
int runImport(std::span<const std::string_view> args);
int runStats(std::span<const std::string_view> args);
int runCompare(std::span<const std::string_view> args);
int runGenerate(std::span<const std::string_view> args);
