// Opening a file to read, as every reader of outside files does it.
#pragma once

#include <filesystem>
#include <fstream>

// Opens path to read its bytes; false when it cannot be. A folder counts as a file that cannot
// be opened: some systems open one and fail only at the first read.
bool openFileToRead(const std::filesystem::path& path, std::ifstream& in);
