// The copy of unsaved work the editor keeps while a document is modified, so that a crash, a
// power cut or the end of the Windows session costs nothing: the document in the settings file's
// form, framed by what restoring the editing state needs.
#pragma once

#include "files/settings_file.h"
#include "files/write_result.h"
#include "model/signal_document.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

struct RecoveryCopy {
    SignalDocument document;
    // The settings file the document was last loaded from or saved to; empty when untitled.
    std::filesystem::path file;
    // Whether the document was ever on disk as file: 上書き保存 then writes there without asking.
    bool everSaved = false;
    // When the copy was written, in seconds since 1970-01-01 00:00 UTC.
    std::int64_t time = 0;
};

// The latest time a copy may carry: the last second of the year 9999.
inline constexpr std::int64_t LatestRecoveryTime = 253402300799;

// The bytes of a recovery file. The document must have elements and both codes chosen, as a
// settings file needs. Windows file names never hold control characters; a name that does (only
// POSIX allows it) would break its line, so such a copy is kept as untitled.
std::string recoveryFileText(const RecoveryCopy& copy);

// Writes the copy through the safe write: a torn write never replaces the previous copy.
WriteResult WriteRecoveryFile(const std::filesystem::path& path, const RecoveryCopy& copy);

// A copy is read whole; a larger file is no copy of this editor's.
inline constexpr std::size_t MaxRecoveryFileBytes = 64u << 20;

// Reads a recovery file. A file without the recovery header (a foreign one), or one that does not
// end with the end line right after the settings (a torn one), is InvalidContent; copy is then
// left as it was.
SettingsReadResult readRecoveryText(std::string_view text, RecoveryCopy& copy);
SettingsReadResult ReadRecoveryFile(const std::filesystem::path& path, RecoveryCopy& copy);
