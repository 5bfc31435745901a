#pragma once

#include "model/signal_document.h"

#include <vector>

// Commands on the selected rows of the element list. A selection is a list of row indices in
// ascending order without repeats; an empty one, or one naming a row outside the list, is refused.

// What a command did. The editor records an undo step only for Changed.
enum class CommandOutcome { Changed, NoChange, Refused };

struct CommandResult {
    CommandOutcome outcome = CommandOutcome::Refused;
    std::vector<int> selection; // rows to select afterwards; the given rows unless Changed
};

// The selected elements in list order; empty when the selection is refused.
ElementList copyRows(const SignalDocument& doc, const std::vector<int>& rows);

// Removes the selected rows (a cut is a copy, then this). The row that takes the place of the
// first one removed is selected, or the new last row when none does.
CommandResult deleteRows(SignalDocument& doc, const std::vector<int>& rows);

// Inserts the elements before a row, or appends them when row is -1 (no row selected). Refused
// when there are none, or when they do not all fit the resolution's maximum time, as an append
// is. The inserted rows are selected.
CommandResult pasteElements(SignalDocument& doc, const ElementList& elements, int row);

// Inserts a copy of the selected rows right after the last of them, under the same time budget;
// the copies are selected.
CommandResult duplicateRows(SignalDocument& doc, const std::vector<int>& rows);

// Each selected row moves one place, passing the unselected row next to it, so rows apart stay
// apart and keep their order. Nothing moves (NoChange) when the first row is selected (up) or the
// last (down). The moved rows are selected.
CommandResult moveRowsUp(SignalDocument& doc, const std::vector<int>& rows);
CommandResult moveRowsDown(SignalDocument& doc, const std::vector<int>& rows);
