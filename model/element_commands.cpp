#include "model/element_commands.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

std::size_t at(int row) {
    return static_cast<std::size_t>(row);
}

bool validSelection(const SignalDocument& doc, const std::vector<int>& rows) {
    if (rows.empty() || rows.front() < 0 || at(rows.back()) >= doc.elements.size())
        return false;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i] <= rows[i - 1])
            return false;
    }
    return true;
}

CommandResult unchanged(CommandOutcome outcome, const std::vector<int>& rows) {
    return {outcome, rows};
}

// The rows first, first + 1, ..., count of them.
std::vector<int> rowsFrom(int first, std::size_t count) {
    std::vector<int> rows(count);
    for (std::size_t i = 0; i < count; ++i)
        rows[i] = first + static_cast<int>(i);
    return rows;
}

// Moves every selected row one place by swapping it with its neighbour at step (-1 or +1),
// visiting the rows nearest that end first so a block of selected rows moves as a whole.
CommandResult moveRows(SignalDocument& doc, const std::vector<int>& rows, int step) {
    if (!validSelection(doc, rows))
        return unchanged(CommandOutcome::Refused, rows);
    const int lastRow = static_cast<int>(doc.elements.size()) - 1;
    if ((step < 0 && rows.front() == 0) || (step > 0 && rows.back() == lastRow))
        return unchanged(CommandOutcome::NoChange, rows);
    std::vector<int> moved = rows;
    for (std::size_t i = 0; i < moved.size(); ++i) {
        int& row = step < 0 ? moved[i] : moved[moved.size() - 1 - i];
        std::swap(doc.elements[at(row)], doc.elements[at(row + step)]);
        row += step;
    }
    return {CommandOutcome::Changed, moved};
}

} // namespace

ElementList copyRows(const SignalDocument& doc, const std::vector<int>& rows) {
    ElementList copied;
    if (!validSelection(doc, rows))
        return copied;
    copied.reserve(rows.size());
    for (int row : rows)
        copied.push_back(doc.elements[at(row)]);
    return copied;
}

CommandResult deleteRows(SignalDocument& doc, const std::vector<int>& rows) {
    if (!validSelection(doc, rows))
        return unchanged(CommandOutcome::Refused, rows);
    // One pass that closes the gaps, so removing many rows of a long list stays quick.
    ElementList& elements = doc.elements;
    std::size_t kept = 0;
    std::size_t next = 0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (next < rows.size() && at(rows[next]) == i) {
            ++next;
            continue;
        }
        elements[kept++] = elements[i];
    }
    elements.resize(kept);
    const int remaining = static_cast<int>(kept);
    if (remaining == 0)
        return {CommandOutcome::Changed, {}};
    return {CommandOutcome::Changed, {std::min(rows.front(), remaining - 1)}};
}

CommandResult pasteElements(SignalDocument& doc, const ElementList& elements, int row) {
    const int first = row == -1 ? static_cast<int>(doc.elements.size()) : row;
    const bool rowValid = row == -1 || (row >= 0 && at(row) < doc.elements.size());
    if (elements.empty() || !rowValid || !insertElements(doc, elements, first))
        return unchanged(CommandOutcome::Refused,
                         row == -1 ? std::vector<int>{} : std::vector{row});
    return {CommandOutcome::Changed, rowsFrom(first, elements.size())};
}

CommandResult duplicateRows(SignalDocument& doc, const std::vector<int>& rows) {
    const ElementList copies = copyRows(doc, rows);
    const int after = copies.empty() ? -1 : rows.back() + 1;
    if (copies.empty() || !insertElements(doc, copies, after))
        return unchanged(CommandOutcome::Refused, rows);
    return {CommandOutcome::Changed, rowsFrom(after, copies.size())};
}

CommandResult moveRowsUp(SignalDocument& doc, const std::vector<int>& rows) {
    return moveRows(doc, rows, -1);
}

CommandResult moveRowsDown(SignalDocument& doc, const std::vector<int>& rows) {
    return moveRows(doc, rows, +1);
}
