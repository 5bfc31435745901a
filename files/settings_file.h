#pragma once

#include "files/write_result.h"
#include "model/signal_document.h"

#include <filesystem>
#include <istream>
#include <string>

enum class SettingsReadStatus { Read, CannotOpen, InvalidContent };

struct SettingsReadResult {
    SettingsReadStatus status = SettingsReadStatus::Read;
    int line = 0;         // 1-based line where the content went wrong (InvalidContent)
    std::string expected; // what was expected on that line, for messages

    bool ok() const { return status == SettingsReadStatus::Read; }
};

// Writes the document as a settings file; the previous file survives any failure unchanged.
// The editor saves only a list with elements and with both codes chosen: nothing else reads back.
WriteResult WriteSettingsFile(const std::filesystem::path& path, const SignalDocument& doc);

// Reads a settings file into doc. On failure doc may be partly replaced: callers that must keep
// their document read into a fresh one and take it over only when ok().
SettingsReadResult ReadSettingsFile(const std::filesystem::path& path, SignalDocument& doc);

// The bytes WriteSettingsFile writes.
std::string settingsFileText(const SignalDocument& doc);

// ReadSettingsFile's rules applied to text already open.
SettingsReadResult readSettingsText(std::istream& in, SignalDocument& doc);
