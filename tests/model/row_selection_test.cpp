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

TEST(RowSelection, RowsWithoutOthersCutRunsApart) {
    const RowSelection twoRuns{{{0, 10}, {20, 30}}};
    const struct {
        RowSelection removed;
        RowSelection kept;
    } cases[] = {
        {{}, twoRuns},
        {rowSpan(10, 10), twoRuns},
        {rowSpan(5, 20), RowSelection{{{0, 5}, {25, 30}}}},
        {RowSelection{{{2, 3}, {5, 7}, {29, 40}}},
         RowSelection{{{0, 2}, {3, 5}, {7, 10}, {20, 29}}}},
        {rowSpan(0, 30), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rowsWithout(twoRuns, c.removed), c.kept);
    EXPECT_EQ(rowsBelow(twoRuns, 25), (RowSelection{{{0, 10}, {20, 25}}}));
    EXPECT_EQ(rowsBelow(twoRuns, 0), RowSelection{});
}
