#include "files/replace_file.h"

#include <windows.h>

namespace {

// WriteFile takes at most a DWORD at a time.
constexpr std::size_t MaxChunk = 1u << 30;

// Another program (a virus scanner, the search indexer) may hold the target for a moment.
constexpr int ReplaceAttempts = 20;
constexpr DWORD ReplaceRetryMilliseconds = 50;

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(bytes.size() < MaxChunk ? bytes.size() : MaxChunk);
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

// Wine's WriteFile can report success for a short write: the size on disk is the real check.
bool hasSize(HANDLE file, std::size_t expected) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) && static_cast<unsigned long long>(size.QuadPart) == expected;
}

} // namespace

WriteResult writeNewFile(const std::filesystem::path& path, std::string_view bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return WriteResult::CannotOpen;
    const bool written =
        writeAll(file, bytes) && FlushFileBuffers(file) && hasSize(file, bytes.size());
    const bool closed = CloseHandle(file) != 0;
    return written && closed ? WriteResult::Written : WriteResult::WriteFailed;
}

WriteResult writeIntoExisting(const std::filesystem::path& path, std::string_view bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return WriteResult::CannotOpen;
    const bool written = writeAll(file, bytes);
    const bool closed = CloseHandle(file) != 0;
    return written && closed ? WriteResult::Written : WriteResult::WriteFailed;
}

bool isReadOnlyFile(const std::filesystem::path& path) {
    // INVALID_FILE_ATTRIBUTES (all bits set) when the file does not exist.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    for (int attempt = 0; attempt < ReplaceAttempts; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = GetLastError();
        if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION &&
            error != ERROR_LOCK_VIOLATION)
            return false;
        Sleep(ReplaceRetryMilliseconds);
    }
    return false;
}
