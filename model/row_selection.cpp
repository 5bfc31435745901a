#include "model/row_selection.h"

#include <algorithm>
#include <limits>

RowSelection rowSpan(int first, int count) {
    if (count <= 0)
        return {};
    return {{{first, first + count}}};
}

RowSelection selectionOfRows(const std::vector<int>& rows) {
    std::vector<int> sorted = rows;
    std::sort(sorted.begin(), sorted.end());
    RowSelection selection;
    for (int row : sorted) {
        if (!selection.ranges.empty() && row <= selection.ranges.back().last) {
            selection.ranges.back().last = std::max(selection.ranges.back().last, row + 1);
            continue;
        }
        selection.ranges.push_back({row, row + 1});
    }
    return selection;
}

bool isEmpty(const RowSelection& selection) {
    return selection.ranges.empty();
}

int firstRow(const RowSelection& selection) {
    return selection.ranges.empty() ? -1 : selection.ranges.front().first;
}

std::size_t rowCount(const RowSelection& selection) {
    std::size_t count = 0;
    for (const RowRange& range : selection.ranges)
        count += static_cast<std::size_t>(range.count());
    return count;
}

bool containsRow(const RowSelection& selection, int row) {
    const auto found =
        std::upper_bound(selection.ranges.begin(), selection.ranges.end(), row,
                         [](int value, const RowRange& range) { return value < range.last; });
    return found != selection.ranges.end() && found->first <= row;
}

std::vector<int> selectedRows(const RowSelection& selection) {
    std::vector<int> rows;
    rows.reserve(rowCount(selection));
    for (const RowRange& range : selection.ranges) {
        for (int row = range.first; row < range.last; ++row)
            rows.push_back(row);
    }
    return rows;
}

bool isValidSelection(const RowSelection& selection, std::size_t rows) {
    int previousLast = -1;
    for (const RowRange& range : selection.ranges) {
        if (range.first <= previousLast || range.first < 0 || range.last <= range.first ||
            static_cast<std::size_t>(range.last) > rows)
            return false;
        previousLast = range.last;
    }
    return true;
}

void setRows(RowSelection& selection, RowRange range, bool selected) {
    if (range.last <= range.first)
        return;
    std::vector<RowRange> result;
    result.reserve(selection.ranges.size() + 2);
    for (const RowRange& run : selection.ranges) {
        // Every run keeps what lies outside the range.
        if (run.last <= range.first || run.first >= range.last) {
            result.push_back(run);
            continue;
        }
        if (run.first < range.first)
            result.push_back({run.first, range.first});
        if (run.last > range.last)
            result.push_back({range.last, run.last});
    }
    if (selected) {
        result.push_back(range);
        std::sort(result.begin(), result.end(),
                  [](const RowRange& a, const RowRange& b) { return a.first < b.first; });
    }
    // Runs that now touch become one.
    selection.ranges.clear();
    for (const RowRange& run : result) {
        if (!selection.ranges.empty() && run.first <= selection.ranges.back().last)
            selection.ranges.back().last = std::max(selection.ranges.back().last, run.last);
        else
            selection.ranges.push_back(run);
    }
}

RowSelection rowsWithout(const RowSelection& from, const RowSelection& removed) {
    RowSelection kept;
    auto next = removed.ranges.begin();
    for (RowRange run : from.ranges) {
        // Runs of removed that end before this run cannot touch a later one either.
        while (next != removed.ranges.end() && next->last <= run.first)
            ++next;
        for (auto cut = next; cut != removed.ranges.end() && cut->first < run.last; ++cut) {
            if (cut->first > run.first)
                kept.ranges.push_back({run.first, cut->first});
            run.first = std::max(run.first, cut->last);
        }
        if (run.first < run.last)
            kept.ranges.push_back(run);
    }
    return kept;
}

RowSelection rowsBelow(const RowSelection& selection, int rows) {
    return rowsWithout(selection, rowSpan(rows, std::numeric_limits<int>::max() - rows));
}
