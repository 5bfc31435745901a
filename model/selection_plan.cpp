#include "model/selection_plan.h"

#include <algorithm>

SelectionPlan planSelection(const SelectionChange& change) {
    const auto rows = static_cast<std::size_t>(change.rows);
    const std::size_t selected = rowCount(change.wanted);
    const bool anyShown = !change.shownKnown || !isEmpty(change.shown);
    const int wantedEnd = isEmpty(change.wanted) ? change.rows : change.wanted.ranges.back().last;
    const int end = change.firstUnseen < wantedEnd ? wantedEnd : change.rows;
    const auto upTo = static_cast<std::size_t>(end);

    const std::size_t fromNone =
        (anyShown ? std::min(rows * AllRowsCost, EmptyListCost) : 0) + selected * RowMessageCost;
    const std::size_t fromAll = upTo * AllRowsCost + (upTo - selected) * RowMessageCost;
    SelectionPlan plan;
    if (change.shownKnown) {
        plan.select = rowsWithout(change.wanted, change.shown);
        plan.unselect = rowsWithout(change.shown, change.wanted);
        const std::size_t changed = rowCount(plan.select) + rowCount(plan.unselect);
        if (changed * RowMessageCost <= std::min(fromNone, fromAll)) {
            plan.holdRepaint = changed > FewRows;
            return plan;
        }
    }
    plan.holdRepaint = true;
    if (fromAll < fromNone) {
        plan.selectAllBefore = end;
        plan.select = {};
        plan.unselect = rowsWithout(rowSpan(0, end), change.wanted);
    } else {
        plan.unselectAll = anyShown;
        plan.select = change.wanted;
        plan.unselect = {};
    }
    return plan;
}
