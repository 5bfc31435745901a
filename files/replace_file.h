// What saving needs from the platform: checked raw writes and a one-step replacement.
#pragma once

#include "files/write_result.h"

#include <filesystem>
#include <string_view>

// Creates the file (it must not exist yet), writes every byte, flushes it to the disk and closes
// it, checking each step. CannotOpen when the file exists or cannot be created.
WriteResult writeNewFile(const std::filesystem::path& path, std::string_view bytes);

// Writes every byte into something that exists and is not a regular file (a device, a pipe),
// without creating, truncating or replacing it.
WriteResult writeIntoExisting(const std::filesystem::path& path, std::string_view bytes);

// Whether path is an existing regular file the user marked read-only (on POSIX: no write
// permission for its owner, judged from the mode bits so that it holds for root too). A save
// leaves such a file alone.
bool isReadOnlyFile(const std::filesystem::path& path);

// Puts `from` in the place of `to` in one step; on false `to` is as it was and `from` remains.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
