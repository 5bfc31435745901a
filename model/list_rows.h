#pragma once

#include "model/element_spans.h"
#include "model/signal_document.h"
#include "model/texts.h"

#include <optional>
#include <string>
#include <vector>

// The texts of one row of the element list: number, type, start time and parameter summary.
struct ListRow {
    std::string number;
    std::string typeName;
    std::string startTime;
    std::string summary;

    bool operator==(const ListRow&) const = default;
};

// "mm:ss.fff" of a start time in seconds, to the nearest millisecond. Minutes do not wrap at an
// hour. A hand-edited list can put any number here: negative and NaN show as 00:00.000, and times
// beyond what the column can mean stop at a fixed largest value.
std::string startTimeText(double seconds);

// One row per element in list order; each starts at the sum of the durations before it.
std::vector<ListRow> listRows(const ElementList& elements, Language language);

// The texts of one row (from 0) as listRows gives them, with the spans elementSpans made of the
// same list once per change, so that one row's texts cost the same however long the list is;
// none when the row is in neither.
std::optional<ListRow> listRowAt(const ElementList& elements, const std::vector<ElementSpan>& spans,
                                 int row, Language language);

// The element shown in a row, or none when the row is not in the list.
std::optional<SignalElement> elementAtRow(const ElementList& elements, int row);

// Which of the four edit buttons are usable.
struct EditButtons {
    bool append = false;
    bool insert = false;
    bool edit = false;
    bool remove = false;

    bool operator==(const EditButtons&) const = default;
};

// Nothing until both a range and a resolution are chosen; then append, and the three that act on
// a row once a row of a non-empty list is selected (selectedRow -1: none).
EditButtons editButtonStates(const SignalDocument& doc, int selectedRow);
