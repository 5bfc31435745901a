// Saving a whole file so that no failure costs the previous contents.
#pragma once

#include "files/write_result.h"

#include <filesystem>
#include <string_view>

// Writes the bytes as the file at path. A regular file (or a new one) is written to a temporary
// file in the same folder that then replaces it in one step: on failure the old file is unchanged
// and no temporary file is left. A symbolic link is followed and its target replaced. A device or
// pipe is written directly, with the same checks. A folder, a missing folder or a read-only file
// (which keeps its bytes) is CannotOpen.
WriteResult writeFileSafely(const std::filesystem::path& path, std::string_view bytes);

// Whether a file name is that of a temporary file a safe write makes beside its target. One that
// stays behind is what a write cut off by a kill or a power cut leaves.
bool isWriteTemporaryName(std::string_view name);
