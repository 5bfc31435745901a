#pragma once

#include "model/signal_document.h"

#include <filesystem>
#include <optional>
#include <string_view>

// The path of a command-line argument, in the system's own encoding of arguments.
std::filesystem::path argumentPath(std::string_view argument);

// The path as UTF-8 text for messages.
std::string pathText(const std::filesystem::path& path);

// " (the file is read-only)" when that is why a save was refused, else empty: for messages.
std::string readOnlyNote(const std::filesystem::path& path);

// Reads a settings file into doc; on failure prints to stderr why (the line and what was
// expected there) and returns false.
bool loadDocumentOrReport(std::string_view path, SignalDocument& doc);
