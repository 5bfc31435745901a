// Where unsaved work waits for the next start: one copy per running editor in
// %LOCALAPPDATA%\QZ57editor\Recovery, each locked while its editor lives.
#pragma once

#include "files/recovery_file.h"
#include "model/recovery_choice.h"

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

// The folder, with LOCALAPPDATA read at each call (tests point it at a folder of their own).
// Empty when the variable is not set.
std::filesystem::path RecoveryFolder();

// An exclusive lock on one copy: a lock file beside it, open without sharing and deleted when
// closed. The system closes it when its process ends in any way, a kill or a crash included, so
// a held lock means a living editor. A start also takes the lock of another editor's copy while
// it offers it, so two starts never offer the same copy.
class RecoveryLock {
  public:
    RecoveryLock() = default;
    ~RecoveryLock() { release(); }
    RecoveryLock(const RecoveryLock&) = delete;
    RecoveryLock& operator=(const RecoveryLock&) = delete;

    // Takes the lock of the copy at path; false when another holder has it or the folder is
    // not there. A lock already held is released first.
    bool take(const std::filesystem::path& copy);
    void release();
    bool held() const { return file_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

// This editor's own copy, under a name no other process has.
class RecoveryStore {
  public:
    RecoveryStore();

    // Writes the copy, making the folder and taking the lock on first need.
    WriteResult write(const RecoveryCopy& copy);
    // Deletes the copy, if one was written, and lets go of its lock.
    void remove();

    // The file name every copy of this editor has.
    const std::wstring& name() const { return name_; }

  private:
    std::wstring name_;
    std::filesystem::path written_; // the copy on disk; empty when there is none
    RecoveryLock lock_;
};

// A copy in the folder, as the choice of what to offer needs it.
struct FoundCopy {
    std::filesystem::path path;
    RecoveryCandidate candidate;
};

// The copies in the folder, their time from the file system and whether their lock is held.
// Lock files left by editors that ended without their copy, and temporary files of writes cut
// off long ago, are cleared away on the way.
std::vector<FoundCopy> FindRecoveryCopies();

// Deletes a copy of another editor (restored, or the answer was No).
bool DeleteRecoveryCopy(const std::filesystem::path& copy);

// Moves a copy that cannot be read to its set-aside name, where it is never offered again.
bool SetAsideRecoveryCopy(const std::filesystem::path& copy);

// Seconds since 1970-01-01 00:00 UTC, as a copy carries its time.
std::int64_t SecondsSinceEpochNow();

// A copy's time on this computer's clock: "2026/12/09 13:20:47".
std::wstring LocalTimeText(std::int64_t secondsSinceEpoch);
