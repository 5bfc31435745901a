// The editor's recovery copy over its life: written a moment after the document changes and at
// once when Windows ends the session, deleted when the work is saved or given up.
#pragma once

#include "model/editor_model.h"
#include "model/recovery_timer.h"
#include "ui/recovery_writer_win.h"

#include <windows.h>

#include <chrono>

// The writer thread reports each write to the main window with this message (WPARAM 1: on
// disk), and the copy's one timer has this id.
inline constexpr UINT WM_RECOVERY_WRITTEN = WM_APP + 2;
inline constexpr UINT_PTR RecoveryTimerId = 0x5157;

// Windows ends the session within seconds: the copy must be on disk before the answer.
inline constexpr std::chrono::milliseconds SessionEndPatience{900};

class RecoveryKeeper {
  public:
    explicit RecoveryKeeper(HWND window);
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    // After every change of the document or of its saved state (edits, undo, loads, saves):
    // restarts the timer, or deletes the copy when nothing is left to protect.
    void changed(const EditorModel& model);
    // The timer went off: writes the copy when it is due.
    void timerFired(const EditorModel& model);
    // Writes the copy now when the document needs one and waits until it is on disk, at most
    // patience; true when no copy was needed or it is on disk.
    bool writeNow(const EditorModel& model, std::chrono::milliseconds patience);
    // The user gave the changes up (closing with いいえ, 終了): the copy goes.
    void discard();
    // A write ended; true only the first time a copy could not be written, when the user is
    // told that the work is not protected.
    bool written(bool onDisk);

  private:
    void handOff(const EditorModel& model);
    void arm();

    HWND window_;
    RecoveryTimer timer_;
    RecoveryWriter writer_;
    bool failureReported_ = false;
};
