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

// Puts `from` in the place of `to` in one step; on false `to` is as it was and `from` remains.
bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
