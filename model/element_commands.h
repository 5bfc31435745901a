#pragma once

#include "model/document_step.h"
#include "model/row_selection.h"
#include "model/signal_document.h"

// Commands on the selected rows of the element list, as steps for EditorModel::apply. A selection
// that is empty, not normalised or names a row outside the list is refused.

// The selected elements in list order; empty when the selection is refused.
ElementList copyRows(const SignalDocument& doc, const RowSelection& rows);

// Removes the selected rows (a cut is a copy, then this). The row that takes the place of the
// first one removed is selected, or the new last row when none does.
DocumentStep deleteRows(const SignalDocument& doc, const RowSelection& rows);

// Inserts the elements before a row, or appends them when row is -1 (no row selected). Refused
// when there are none, or when they do not all fit the resolution's maximum time, as an append
// is. The inserted rows are selected.
DocumentStep pasteElements(const SignalDocument& doc, const ElementList& elements, int row);

// Inserts a copy of the selected rows right after the last of them, under the same time budget;
// the copies are selected.
DocumentStep duplicateRows(const SignalDocument& doc, const RowSelection& rows);

// The selected elements followed, after the last selected row, by count - 1 copies of them: count
// is the number of times they then occur, 2 .. RepeatMaxCount. Refused past the resolution's
// maximum time, or past RepeatMaxElements new rows. The selected rows and the copies are
// selected.
inline constexpr int RepeatMaxCount = 10'000;
inline constexpr std::size_t RepeatMaxElements = 100'000;
DocumentStep repeatRows(const SignalDocument& doc, const RowSelection& rows, int count);

// Each selected row moves one place, passing the unselected row next to it, so rows apart stay
// apart and keep their order. Nothing moves (NoChange) when the first row is selected (up) or the
// last (down). The moved rows are selected.
DocumentStep moveRowsUp(const SignalDocument& doc, const RowSelection& rows);
DocumentStep moveRowsDown(const SignalDocument& doc, const RowSelection& rows);
