// How the element list's control comes to show another selection in the fewest messages. The
// control has no message for a run of rows: a row's own message selects or unselects one row,
// and row -1 selects or unselects every row at once but visits each of them.
#pragma once

#include "model/row_selection.h"

#include <cstddef>

// What the control shows now and what it is to show.
struct SelectionChange {
    RowSelection shown;     // what the control has selected
    bool shownKnown = true; // false: it may hold another selection than shown
    RowSelection wanted;
    int rows = 0;        // the rows of the list
    int firstUnseen = 0; // the first row below the rows in view
};

// The steps, in this order: select every row before selectAllBefore (0: none), unselect every row
// (unselectAll), then the rows one by one.
struct SelectionPlan {
    int selectAllBefore = 0;
    bool unselectAll = false;
    RowSelection select;
    RowSelection unselect;
    // Many rows change: the list is repainted once at the end rather than row by row.
    bool holdRepaint = false;
};

// Per row, row -1 costs AllRowsCost and a row's own message RowMessageCost; unselecting every row
// of a long list costs at most EmptyListCost (the list emptied for a moment). Selecting every row
// before the end of the selection (the list cut short for a moment) is planned only when the rows
// in view lie before that end, so that none of them is cut off.
inline constexpr std::size_t AllRowsCost = 2;
inline constexpr std::size_t RowMessageCost = 5;
inline constexpr std::size_t EmptyListCost = 2000;
// So many changed rows or fewer repaint themselves.
inline constexpr std::size_t FewRows = 500;

SelectionPlan planSelection(const SelectionChange& change);
