#include "model/element_commands.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <utility>

namespace {

std::size_t at(int row) {
    return static_cast<std::size_t>(row);
}

bool validSelection(const SignalDocument& doc, const RowSelection& rows) {
    return !isEmpty(rows) && isValidSelection(rows, doc.elements.size());
}

// The elements of rows [first, last), as a step's run.
ElementList runOf(const SignalDocument& doc, int first, int last) {
    return ElementList(doc.elements.begin() + static_cast<std::ptrdiff_t>(first),
                       doc.elements.begin() + static_cast<std::ptrdiff_t>(last));
}

// Whether every row of [first, last) holds the same element: a row moving past an equal one
// leaves the document as it was.
bool sameElements(const SignalDocument& doc, int first, int last) {
    const auto begin = doc.elements.begin() + first;
    return std::all_of(begin, doc.elements.begin() + last,
                       [&begin](const SignalElement& element) { return element == *begin; });
}

// Moves every selected row one place by passing its neighbour at step (-1 or +1), within the
// rows from the one before the first selected row to the one after the last; a block of selected
// rows moves as a whole. The step names the runs, not their elements.
DocumentStep moveRows(const SignalDocument& doc, const RowSelection& rows, int step) {
    if (!validSelection(doc, rows))
        return unchangedStep(CommandOutcome::Refused, rows);
    const int lastRow = static_cast<int>(doc.elements.size()) - 1;
    const int low = rows.ranges.front().first;
    const int high = rows.ranges.back().last - 1;
    if ((step < 0 && low == 0) || (step > 0 && high == lastRow))
        return unchangedStep(CommandOutcome::NoChange, rows);
    const int first = step < 0 ? low - 1 : low;
    const int last = step < 0 ? high + 1 : high + 2;
    DocumentStep moved = elementStep(doc, at(first), {}, {}, {});
    moved.change.moveStep = step;
    moved.change.movedSpan = at(last - first);
    for (const RowRange& range : rows.ranges) {
        const RowRange neighbourhood = step < 0 ? RowRange{range.first - 1, range.last}
                                                : RowRange{range.first, range.last + 1};
        if (!sameElements(doc, neighbourhood.first, neighbourhood.last))
            moved.change.movedRuns.push_back(range);
        moved.selection.ranges.push_back({range.first + step, range.last + step});
    }
    return moved;
}

} // namespace

ElementList copyRows(const SignalDocument& doc, const RowSelection& rows) {
    ElementList copied;
    if (!validSelection(doc, rows))
        return copied;
    copied.reserve(rowCount(rows));
    for (const RowRange& range : rows.ranges)
        copied.insert(copied.end(), doc.elements.begin() + range.first,
                      doc.elements.begin() + range.last);
    return copied;
}

DocumentStep deleteRows(const SignalDocument& doc, const RowSelection& rows) {
    if (!validSelection(doc, rows))
        return unchangedStep(CommandOutcome::Refused, rows);
    // The step spans the first to the last selected row; what stays of it are the gaps.
    const int first = rows.ranges.front().first;
    const int last = rows.ranges.back().last;
    ElementList kept;
    for (std::size_t i = 1; i < rows.ranges.size(); ++i)
        kept.insert(kept.end(), doc.elements.begin() + rows.ranges[i - 1].last,
                    doc.elements.begin() + rows.ranges[i].first);
    const int remaining = static_cast<int>(doc.elements.size() - rowCount(rows));
    RowSelection selection =
        remaining == 0 ? RowSelection{} : rowSpan(std::min(first, remaining - 1), 1);
    return elementStep(doc, at(first), runOf(doc, first, last), std::move(kept),
                       std::move(selection));
}

DocumentStep pasteElements(const SignalDocument& doc, const ElementList& elements, int row) {
    const int first = row == -1 ? static_cast<int>(doc.elements.size()) : row;
    const bool rowValid = row == -1 || (row >= 0 && at(row) < doc.elements.size());
    if (elements.empty() || !rowValid || !elementsFitTimeBudget(doc, elements))
        return unchangedStep(CommandOutcome::Refused, row == -1 ? RowSelection{} : rowSpan(row, 1));
    return elementStep(doc, at(first), {}, elements,
                       rowSpan(first, static_cast<int>(elements.size())));
}

DocumentStep duplicateRows(const SignalDocument& doc, const RowSelection& rows) {
    ElementList copies = copyRows(doc, rows);
    if (copies.empty() || !elementsFitTimeBudget(doc, copies))
        return unchangedStep(CommandOutcome::Refused, rows);
    const int after = rows.ranges.back().last;
    const int count = static_cast<int>(copies.size());
    return elementStep(doc, at(after), {}, std::move(copies), rowSpan(after, count));
}

DocumentStep repeatRows(const SignalDocument& doc, const RowSelection& rows, int count) {
    const ElementList selected = copyRows(doc, rows);
    if (selected.empty() || count < 2 || count > RepeatMaxCount)
        return unchangedStep(CommandOutcome::Refused, rows);
    // Bounded before the copies are made: thousands of copies of a long selection must not fill
    // the memory first.
    const auto copies = static_cast<std::size_t>(count - 1);
    if (selected.size() * copies > RepeatMaxElements)
        return unchangedStep(CommandOutcome::Refused, rows);
    ElementList repeated;
    repeated.reserve(selected.size() * copies);
    for (std::size_t i = 0; i < copies; ++i)
        repeated.insert(repeated.end(), selected.begin(), selected.end());
    if (!elementsFitTimeBudget(doc, repeated))
        return unchangedStep(CommandOutcome::Refused, rows);
    const int after = rows.ranges.back().last;
    RowSelection block = rows;
    setRows(block, {after, after + static_cast<int>(repeated.size())}, true);
    return elementStep(doc, at(after), {}, std::move(repeated), std::move(block));
}

DocumentStep moveRowsUp(const SignalDocument& doc, const RowSelection& rows) {
    return moveRows(doc, rows, -1);
}

DocumentStep moveRowsDown(const SignalDocument& doc, const RowSelection& rows) {
    return moveRows(doc, rows, +1);
}
