#include "ui/recovery_keeper_win.h"

#include "ui/recovery_store_win.h"

#include <algorithm>

namespace {

RecoveryMillis Now() {
    return static_cast<RecoveryMillis>(GetTickCount64());
}

} // namespace

RecoveryKeeper::RecoveryKeeper(HWND window)
    : window_(window), writer_(window, WM_RECOVERY_WRITTEN) {}

RecoveryKeeper::~RecoveryKeeper() {
    KillTimer(window_, RecoveryTimerId);
}

void RecoveryKeeper::changed(const EditorModel& model) {
    if (!wantsRecoveryCopy(model.modified(), model.document().elements.size())) {
        timer_.clear();
        writer_.remove();
        arm();
        return;
    }
    timer_.noteChange(Now(), model.history().currentState());
    arm();
}

void RecoveryKeeper::timerFired(const EditorModel& model) {
    if (timer_.writeNow(Now())) {
        handOff(model);
    }
    arm();
}

bool RecoveryKeeper::writeNow(const EditorModel& model, std::chrono::milliseconds patience) {
    if (wantsRecoveryCopy(model.modified(), model.document().elements.size())) {
        handOff(model);
        arm();
    }
    return writer_.finish(patience);
}

void RecoveryKeeper::discard() {
    timer_.clear();
    writer_.remove();
    arm();
}

bool RecoveryKeeper::written(bool onDisk) {
    if (onDisk) {
        return false;
    }
    timer_.noteWriteFailed(Now());
    arm();
    const bool first = !failureReported_;
    failureReported_ = true;
    return first;
}

void RecoveryKeeper::handOff(const EditorModel& model) {
    RecoveryCopy copy;
    copy.document = model.document();
    copy.file = model.filePath();
    copy.everSaved = !model.filePath().empty();
    copy.time = SecondsSinceEpochNow();
    writer_.write(std::move(copy));
    timer_.noteWritten(model.history().currentState());
}

// One timer, set again for the next due moment at every change.
void RecoveryKeeper::arm() {
    const auto due = timer_.nextDue();
    if (!due) {
        KillTimer(window_, RecoveryTimerId);
        return;
    }
    const RecoveryMillis wait = std::max<RecoveryMillis>(*due - Now(), USER_TIMER_MINIMUM);
    SetTimer(window_, RecoveryTimerId, static_cast<UINT>(std::min<RecoveryMillis>(wait, 60000)),
             nullptr);
}
