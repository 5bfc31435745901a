// The editor's own preferences for one user (settings.ini), apart from the instrument's files.
#pragma once

#include "model/texts.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

struct AppSettings {
    std::optional<Language> language; // none: follow the display language

    bool operator==(const AppSettings&) const = default;
};

// More than this is no settings file of ours; only the start is read.
inline constexpr std::size_t MaxAppSettingsBytes = 64 * 1024;

// Reads what it understands and passes over everything else, never failing: "Language=ja" or
// "Language=en" (key and value in any case, blanks around them, LF or CR LF, a UTF-8 byte order
// mark, sections and ";" or "#" comments allowed). The last valid line wins.
AppSettings parseAppSettings(std::string_view text);

// The file's bytes: a section line and the language, CR LF line ends; no language line when none
// is chosen.
std::string appSettingsText(const AppSettings& settings);

// The settings in the file; a missing, unreadable or foreign file gives the defaults.
AppSettings loadAppSettings(const std::filesystem::path& path);

// Writes the file safely, making its folder first; false when that cannot be done.
bool saveAppSettings(const std::filesystem::path& path, const AppSettings& settings);
