#include "ui/recovery_store_win.h"

#include "files/safe_write.h"
#include "ui/text_win.h"

#include <cwchar>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr wchar_t CopyExtension[] = L".qzr";
constexpr wchar_t LockExtension[] = L".lock";
// FILETIME counts 100 ns steps from 1601-01-01; these are the steps up to 1970-01-01.
constexpr std::int64_t EpochInFileTime = 116444736000000000;
constexpr std::int64_t FileTimeStepsPerSecond = 10000000;

fs::path LockPathOf(const fs::path& copy) {
    return fs::path(copy.native() + LockExtension);
}

bool EndsWith(const std::wstring& text, std::wstring_view end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::int64_t FileTimeValue(const FILETIME& time) {
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                     time.dwLowDateTime);
}

// Whether a temporary file last written then is one a write left behind: a write takes well
// under a second, so one untouched for ten minutes is no living editor's.
bool LeftBehind(const FILETIME& written) {
    constexpr std::int64_t TenMinutes = 10LL * 60 * 10'000'000; // in 100 ns steps
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return FileTimeValue(now) - FileTimeValue(written) > TenMinutes;
}

// Whether a living editor (or a start offering the copy) holds the lock. Opening the lock file
// fails for sharing while its holder has it open without sharing; a lock file its holder left
// at a power cut opens, or is not there.
bool LockHeld(const fs::path& copy) {
    HANDLE file = CreateFileW(LockPathOf(copy).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_SHARING_VIOLATION;
    }
    CloseHandle(file);
    return false;
}

// The process id with the moment the process started: ids are reused, the pair is not.
std::wstring ProcessUniqueName() {
    FILETIME created{}, exited{}, kernel{}, user{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    wchar_t name[64];
    swprintf(name, 64, L"%lu-%016llx", static_cast<unsigned long>(GetCurrentProcessId()),
             static_cast<unsigned long long>(FileTimeValue(created)));
    return name;
}

} // namespace

fs::path RecoveryFolder() {
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
    if (length == 0) {
        return {};
    }
    std::wstring base(length, L'\0');
    base.resize(GetEnvironmentVariableW(L"LOCALAPPDATA", base.data(), length));
    if (base.empty()) {
        return {};
    }
    return fs::path(base) / L"QZ57editor" / L"Recovery";
}

bool RecoveryLock::take(const fs::path& copy) {
    release();
    file_ = CreateFileW(LockPathOf(copy).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return held();
}

void RecoveryLock::release() {
    if (held()) {
        CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }
}

RecoveryStore::RecoveryStore() : name_(ProcessUniqueName() + CopyExtension) {}

WriteResult RecoveryStore::write(const RecoveryCopy& copy) {
    const fs::path folder = RecoveryFolder();
    if (folder.empty()) {
        return WriteResult::CannotOpen;
    }
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path path = folder / name_;
    if (written_ != path) {
        remove();
        if (!lock_.take(path)) {
            return WriteResult::CannotOpen;
        }
    }
    const WriteResult result = WriteRecoveryFile(path, copy);
    if (result == WriteResult::Written) {
        written_ = path;
    }
    return result;
}

void RecoveryStore::remove() {
    if (!written_.empty()) {
        DeleteFileW(written_.c_str());
        written_.clear();
    }
    lock_.release();
}

std::vector<FoundCopy> FindRecoveryCopies() {
    std::vector<FoundCopy> found;
    const fs::path folder = RecoveryFolder();
    if (folder.empty()) {
        return found;
    }
    WIN32_FIND_DATAW entry{};
    HANDLE search = FindFirstFileExW((folder / L"*").c_str(), FindExInfoBasic, &entry,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return found;
    }
    std::vector<fs::path> locks;
    std::vector<fs::path> leftovers;
    do {
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            continue;
        }
        const std::wstring name = entry.cFileName;
        const fs::path path = folder / name;
        if (EndsWith(name, LockExtension)) {
            locks.push_back(path);
        } else if (EndsWith(name, CopyExtension) ||
                   EndsWith(name, std::wstring(CopyExtension) + L".bad")) {
            found.push_back(
                {path, {Narrow(name), FileTimeValue(entry.ftLastWriteTime), LockHeld(path)}});
        } else if (isWriteTemporaryName(Narrow(name)) && LeftBehind(entry.ftLastWriteTime)) {
            leftovers.push_back(path);
        }
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    // A held lock refuses the deletion: only those of ended editors go.
    for (const fs::path& lock : locks) {
        const std::wstring& name = lock.native();
        if (!fs::exists(fs::path(name.substr(0, name.size() - std::size(LockExtension) + 1)))) {
            DeleteFileW(lock.c_str());
        }
    }
    for (const fs::path& leftover : leftovers) {
        DeleteFileW(leftover.c_str());
    }
    return found;
}

bool DeleteRecoveryCopy(const fs::path& copy) {
    return DeleteFileW(copy.c_str()) != 0;
}

bool SetAsideRecoveryCopy(const fs::path& copy) {
    const fs::path aside = fs::path(Widen(setAsideName(Narrow(copy.native()))));
    return MoveFileExW(copy.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

std::int64_t SecondsSinceEpochNow() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return (FileTimeValue(now) - EpochInFileTime) / FileTimeStepsPerSecond;
}

std::wstring LocalTimeText(std::int64_t secondsSinceEpoch) {
    const auto steps =
        static_cast<std::uint64_t>(secondsSinceEpoch * FileTimeStepsPerSecond + EpochInFileTime);
    const FILETIME time{static_cast<DWORD>(steps), static_cast<DWORD>(steps >> 32)};
    SYSTEMTIME utc{}, local{};
    if (!FileTimeToSystemTime(&time, &utc) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local)) {
        return {};
    }
    wchar_t text[32];
    swprintf(text, 32, L"%04u/%02u/%02u %02u:%02u:%02u", local.wYear, local.wMonth, local.wDay,
             local.wHour, local.wMinute, local.wSecond);
    return text;
}
