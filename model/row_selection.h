#pragma once

#include <cstddef>
#include <vector>

// Rows first, first + 1, …, last - 1 of the element list.
struct RowRange {
    int first = 0;
    int last = 0; // one past the last row

    int count() const { return last - first; }
    bool operator==(const RowRange&) const = default;
};

// The selected rows of the element list as runs, so that selecting or handing on tens of
// thousands of rows costs one entry per run, not one per row. Normalised, the runs are sorted,
// non-empty and neither overlap nor touch; the functions below always make normalised ones. The
// commands still check what they are given, since a caller can build any list of runs.
struct RowSelection {
    std::vector<RowRange> ranges;

    bool operator==(const RowSelection&) const = default;
};

// count rows from first; nothing when count is not positive.
RowSelection rowSpan(int first, int count);
// The rows given, in any order, repeats ignored.
RowSelection selectionOfRows(const std::vector<int>& rows);

bool isEmpty(const RowSelection& selection);
// The lowest selected row, or -1.
int firstRow(const RowSelection& selection);
// How many rows are selected.
std::size_t rowCount(const RowSelection& selection);
bool containsRow(const RowSelection& selection, int row);
// Every selected row, lowest first: for work that is per row anyway (copying the elements).
std::vector<int> selectedRows(const RowSelection& selection);

// Whether the runs are normalised and every row lies in a list of rows rows.
bool isValidSelection(const RowSelection& selection, std::size_t rows);

// Selects (or unselects) the rows of range in selection, keeping it normalised.
void setRows(RowSelection& selection, RowRange range, bool selected);

// The rows of from that are not in removed, as normalised runs; per run, not per row.
RowSelection rowsWithout(const RowSelection& from, const RowSelection& removed);

// The rows of selection below rows: what a list of that many rows can still hold of it.
RowSelection rowsBelow(const RowSelection& selection, int rows);
