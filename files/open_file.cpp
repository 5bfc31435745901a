#include "files/open_file.h"

#include <system_error>

bool openFileToRead(const std::filesystem::path& path, std::ifstream& in) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return false;
    in.open(path, std::ios::binary);
    return static_cast<bool>(in);
}
