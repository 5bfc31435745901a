// Writes the editor's recovery copy on a thread of its own. Taking the copy costs the user-
// interface thread only a copy of the document; the text, the write and the flush to the disk,
// which a busy disk can stretch to far more than a frame, happen beside it.
#pragma once

#include "files/recovery_file.h"
#include "ui/recovery_store_win.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class RecoveryWriter {
  public:
    // When a write ends, posts message to window with WPARAM 1 when the copy is on disk, else 0.
    RecoveryWriter(HWND window, UINT message);
    // Finishes what was asked last, then stops.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // What was asked last is what happens: a write replaces a waiting one, and a deletion
    // drops a waiting write, so a copy never outlives the save that deleted it.
    void write(RecoveryCopy copy);
    void remove();

    // Waits until what was asked is done, at most this long; true when it is done and the
    // last copy asked for reached the disk (or none was asked for).
    bool finish(std::chrono::milliseconds patience);

  private:
    void run();
    // Writes the copy, or deletes it when there is none; true when the disk holds what was asked.
    bool carryOut(const std::optional<RecoveryCopy>& copy);

    HWND window_;
    UINT message_;
    RecoveryStore store_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::optional<RecoveryCopy> copy_; // the copy asked for; none: no copy
    bool asked_ = false;               // something was asked and not yet done
    bool busy_ = false;                // the thread is doing it
    bool onDisk_ = true;               // the last write reached the disk
    bool stopping_ = false;
    std::thread thread_;
};
