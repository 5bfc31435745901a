#include "files/replace_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// close() reports errors of delayed writes (NFS, some card readers); EINTR still closed the file.
bool closeChecked(int fd) {
    return ::close(fd) == 0 || errno == EINTR;
}

} // namespace

WriteResult writeNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return WriteResult::CannotOpen;
    // The data must be on the disk before the rename makes it the file, or a crash could leave
    // an empty file where the old one was.
    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const bool closed = closeChecked(fd);
    return written && closed ? WriteResult::Written : WriteResult::WriteFailed;
}

WriteResult writeIntoExisting(const std::filesystem::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return WriteResult::CannotOpen;
    const bool written = writeAll(fd, bytes);
    const bool closed = closeChecked(fd);
    return written && closed ? WriteResult::Written : WriteResult::WriteFailed;
}

bool isReadOnlyFile(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           (status.st_mode & S_IWUSR) == 0;
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}
