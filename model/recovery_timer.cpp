#include "model/recovery_timer.h"

#include <algorithm>

void RecoveryTimer::noteChange(RecoveryMillis now, std::uint64_t state) {
    // Undone and redone back to what the copy holds: nothing to write.
    if (written_ == state) {
        firstChange_.reset();
        return;
    }
    if (!firstChange_)
        firstChange_ = now;
    lastChange_ = now;
}

void RecoveryTimer::noteWritten(std::uint64_t state) {
    written_ = state;
    firstChange_.reset();
    retryAt_.reset();
}

void RecoveryTimer::noteWriteFailed(RecoveryMillis now) {
    written_.reset();
    if (!firstChange_) {
        firstChange_ = now;
        lastChange_ = now;
    }
    retryAt_ = now + RecoveryLongestDelay;
}

void RecoveryTimer::clear() {
    *this = RecoveryTimer{};
}

std::optional<RecoveryMillis> RecoveryTimer::nextDue() const {
    if (!firstChange_)
        return std::nullopt;
    const RecoveryMillis due =
        std::min(lastChange_ + RecoveryQuietDelay, *firstChange_ + RecoveryLongestDelay);
    return retryAt_ ? std::max(due, *retryAt_) : due;
}

bool RecoveryTimer::writeNow(RecoveryMillis now) const {
    const auto due = nextDue();
    return due && now >= *due;
}

bool wantsRecoveryCopy(bool modified, std::size_t elementCount) {
    return modified && elementCount > 0;
}
