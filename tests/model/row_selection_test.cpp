#include "model/row_selection.h"

#include <gtest/gtest.h>

using Rows = std::vector<int>;

TEST(RowSelection, RowsBecomeSortedRunsThatNeitherOverlapNorTouch) {
    const struct {
        Rows rows;
        std::vector<RowRange> runs;
    } cases[] = {
        {{}, {}},
        {{3}, {{3, 4}}},
        {{5, 1, 2, 2, 3, 9}, {{1, 4}, {5, 6}, {9, 10}}},
        {{0, 1, 2, 3}, {{0, 4}}},
    };
    for (const auto& c : cases) {
        const RowSelection selection = selectionOfRows(c.rows);
        EXPECT_EQ(selection.ranges, c.runs);
        EXPECT_TRUE(isValidSelection(selection, 10));
    }
}

TEST(RowSelection, AnswersPerRunNotPerRow) {
    const RowSelection selection = {{{2, 5}, {7, 90'007}}};
    EXPECT_EQ(firstRow(selection), 2);
    EXPECT_EQ(rowCount(selection), 90'003u);
    for (int row : {2, 4, 7, 90'006})
        EXPECT_TRUE(containsRow(selection, row)) << row;
    for (int row : {-1, 1, 5, 6, 90'007})
        EXPECT_FALSE(containsRow(selection, row)) << row;
    EXPECT_EQ(selectedRows(rowSpan(3, 2)), (Rows{3, 4}));
    EXPECT_EQ(firstRow({}), -1);
    EXPECT_TRUE(isEmpty(rowSpan(4, 0)));
}

TEST(RowSelection, BadRunsAreNotValid) {
    for (const RowSelection& bad : {RowSelection{{{1, 2}, {0, 1}}}, RowSelection{{{1, 2}, {1, 2}}},
                                    RowSelection{{{0, 2}, {2, 3}}}, RowSelection{{{-1, 1}}},
                                    RowSelection{{{2, 2}}}, RowSelection{{{0, 11}}}})
        EXPECT_FALSE(isValidSelection(bad, 10));
}

// What the list reports, a row or a run at a time, keeps the selection normalised.
TEST(RowSelection, SettingRowsMergesAndSplitsRuns) {
    RowSelection selection;
    setRows(selection, {0, 3}, true);
    setRows(selection, {5, 6}, true);
    setRows(selection, {3, 5}, true);
    EXPECT_EQ(selection, rowSpan(0, 6));
    setRows(selection, {2, 4}, false);
    EXPECT_EQ(selection, (RowSelection{{{0, 2}, {4, 6}}}));
    setRows(selection, {1, 5}, false);
    EXPECT_EQ(selection, (RowSelection{{{0, 1}, {5, 6}}}));
    setRows(selection, {0, 100}, false);
    EXPECT_TRUE(isEmpty(selection));
}
