#include "model/selection_plan.h"

#include <gtest/gtest.h>

// A list of twice N rows with its top rows in view, as after a paste or a duplicate of N rows:
// each selection comes about in the way that costs the fewest messages.
TEST(SelectionPlan, TakesTheWayWithTheFewestMessages) {
    constexpr int N = 90'000;
    const RowSelection none;
    const struct {
        const char* name;
        SelectionChange change;
        int selectAllBefore;
        bool unselectAll;
        RowSelection select;
        RowSelection unselect;
        bool holdRepaint;
    } cases[] = {
        {"a move changes two rows",
         {rowSpan(0, N), true, rowSpan(1, N), 2 * N, 20},
         0,
         false,
         rowSpan(N, 1),
         rowSpan(0, 1),
         false},
        {"the copies after the originals: all unselected first",
         {rowSpan(0, N), true, rowSpan(N, N), 2 * N, 20},
         0,
         true,
         rowSpan(N, N),
         none,
         true},
        {"pasted at the top: all selected in a list cut short",
         {none, true, rowSpan(0, N), 2 * N, 20},
         N,
         false,
         none,
         none,
         true},
        {"pasted at the top while rows past it are in view: row by row",
         {none, true, rowSpan(0, N), 2 * N, N + 30},
         0,
         false,
         rowSpan(0, N),
         none,
         true},
        {"select all", {none, true, rowSpan(0, 2 * N), 2 * N, 20}, 2 * N, false, none, none, true},
        {"all but a few rows: the few unselected after all",
         {none, true, RowSelection{{{0, 10}, {12, 2 * N}}}, 2 * N, 20},
         2 * N,
         false,
         none,
         rowSpan(10, 2),
         true},
        {"one row after all of them",
         {rowSpan(0, 2 * N), true, rowSpan(7, 1), 2 * N, 20},
         0,
         true,
         rowSpan(7, 1),
         none,
         true},
        {"what the control holds unknown: never row by row",
         {none, false, rowSpan(5, 1), 2 * N, 20},
         0,
         true,
         rowSpan(5, 1),
         none,
         true},
    };
    for (const auto& c : cases) {
        const SelectionPlan plan = planSelection(c.change);
        EXPECT_EQ(plan.selectAllBefore, c.selectAllBefore) << c.name;
        EXPECT_EQ(plan.unselectAll, c.unselectAll) << c.name;
        EXPECT_EQ(plan.select, c.select) << c.name;
        EXPECT_EQ(plan.unselect, c.unselect) << c.name;
        EXPECT_EQ(plan.holdRepaint, c.holdRepaint) << c.name;
    }
}
