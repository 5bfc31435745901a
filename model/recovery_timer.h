// When the editor writes its recovery copy: a moment after the typing stops, and now and then
// while it goes on, but never when the last copy already holds the document.
#pragma once

#include <cstdint>
#include <optional>

// Milliseconds of a steady clock.
using RecoveryMillis = std::int64_t;

// The copy follows the last change by this long, so a burst of edits costs one write.
inline constexpr RecoveryMillis RecoveryQuietDelay = 3000;
// Changes that never pause that long still get a copy at least this often.
inline constexpr RecoveryMillis RecoveryLongestDelay = 30000;

class RecoveryTimer {
  public:
    // The document changed and is now in this state (an edit history state number).
    void noteChange(RecoveryMillis now, std::uint64_t state);
    // A copy of this state is on its way to the disk.
    void noteWritten(std::uint64_t state);
    // The last copy did not reach the disk: the document is due again, but only after the
    // longest delay, so an unwritable folder is not retried at every keystroke.
    void noteWriteFailed(RecoveryMillis now);
    // No copy is wanted any more (the document was saved, or its changes given up).
    void clear();

    // When the next copy is due; none while the last copy holds the document.
    std::optional<RecoveryMillis> nextDue() const;
    bool writeNow(RecoveryMillis now) const;

  private:
    std::optional<std::uint64_t> written_; // the state the copy on disk holds
    // The oldest and newest change the copy does not hold yet.
    std::optional<RecoveryMillis> firstChange_;
    RecoveryMillis lastChange_ = 0;
    std::optional<RecoveryMillis> retryAt_;
};

// Whether the document is worth a copy: it differs from its file, and it has elements (an empty
// list cannot be saved, so there is nothing to restore).
bool wantsRecoveryCopy(bool modified, std::size_t elementCount);
