#include "model/recovery_timer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Change {
    RecoveryMillis at;
    std::uint64_t state;
};

struct DueCase {
    const char* what;
    std::vector<Change> changes;
    std::optional<RecoveryMillis> due;
};

} // namespace

TEST(RecoveryTimer, DueAQuietMomentAfterTheLastChangeAndAtLeastEveryHalfMinute) {
    const DueCase cases[] = {
        {"no change", {}, std::nullopt},
        {"one change", {{1000, 1}}, 4000},
        {"a burst", {{1000, 1}, {1500, 2}, {2900, 3}}, 5900},
        // A change every 2 s never leaves 3 s of quiet: the copy is due 30 s after the first.
        {"steady typing", {{0, 1}, {2000, 2}, {4000, 3}, {28000, 4}, {29000, 5}}, 30000},
        {"the longest wait caps the quiet one", {{0, 1}, {28500, 2}}, 30000},
    };
    for (const DueCase& c : cases) {
        RecoveryTimer timer;
        for (const Change& change : c.changes)
            timer.noteChange(change.at, change.state);
        EXPECT_EQ(timer.nextDue(), c.due) << c.what;
    }
}

TEST(RecoveryTimer, WriteNowOnceDueAndNotBefore) {
    RecoveryTimer timer;
    EXPECT_FALSE(timer.writeNow(0));
    timer.noteChange(1000, 1);
    EXPECT_FALSE(timer.writeNow(3999));
    EXPECT_TRUE(timer.writeNow(4000));
    EXPECT_TRUE(timer.writeNow(90000));
}

TEST(RecoveryTimer, AWrittenCopyEndsTheWaitAndTheNextChangeStartsANewOne) {
    RecoveryTimer timer;
    timer.noteChange(0, 1);
    timer.noteChange(20000, 2);
    timer.noteWritten(2);
    EXPECT_EQ(timer.nextDue(), std::nullopt);
    EXPECT_FALSE(timer.writeNow(100000));
    // The half-minute counts from the first change after the copy.
    timer.noteChange(50000, 3);
    timer.noteChange(52000, 4);
    EXPECT_EQ(timer.nextDue(), 55000);
}

TEST(RecoveryTimer, NothingToWriteWhenChangesLeadBackToTheCopiedState) {
    RecoveryTimer timer;
    timer.noteChange(0, 5);
    timer.noteWritten(5);
    timer.noteChange(1000, 4); // undo
    EXPECT_TRUE(timer.nextDue());
    timer.noteChange(1500, 5); // redo: the copy holds this state
    EXPECT_EQ(timer.nextDue(), std::nullopt);
}

TEST(RecoveryTimer, AFailedWriteWaitsTheLongestDelayBeforeTheNextTry) {
    RecoveryTimer timer;
    timer.noteChange(0, 1);
    timer.noteWritten(1);
    timer.noteWriteFailed(3000);
    EXPECT_EQ(timer.nextDue(), 33000);
    timer.noteChange(4000, 2);
    EXPECT_EQ(timer.nextDue(), 33000);
    timer.noteWritten(2);
    timer.noteChange(40000, 3);
    EXPECT_EQ(timer.nextDue(), 43000);
}

TEST(RecoveryTimer, AfterAFailedWriteEvenTheSameStateIsWrittenAgain) {
    RecoveryTimer timer;
    timer.noteChange(0, 1);
    timer.noteWritten(1);
    timer.noteWriteFailed(3000);
    timer.noteChange(4000, 1);
    EXPECT_TRUE(timer.writeNow(33000));
}

TEST(RecoveryTimer, ClearedAfterASaveEvenTheCopiedStateIsWrittenAgain) {
    RecoveryTimer timer;
    timer.noteChange(0, 1);
    timer.noteWritten(1);
    timer.clear();
    EXPECT_EQ(timer.nextDue(), std::nullopt);
    // The copy was deleted with the save: state 1 needs a new one.
    timer.noteChange(9000, 1);
    EXPECT_EQ(timer.nextDue(), 12000);
}

TEST(RecoveryTimer, OnlyAModifiedDocumentWithElementsWantsACopy) {
    EXPECT_TRUE(wantsRecoveryCopy(true, 1));
    EXPECT_FALSE(wantsRecoveryCopy(false, 1));
    EXPECT_FALSE(wantsRecoveryCopy(true, 0));
}
