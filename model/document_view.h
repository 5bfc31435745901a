#pragma once

#include "model/clipping.h"
#include "model/element_spans.h"
#include "model/list_rows.h"
#include "model/row_selection.h"
#include "model/signal_document.h"
#include "model/trace_points.h"

#include <optional>
#include <vector>

// What the element list, the chart and the status bar show of one state of the document, derived
// once per change and read by all of them: no view computes it again or asks another view for it.
struct DocumentView {
    std::vector<ElementSpan> spans;      // of the elements in list order: start times and bands
    std::vector<ClippedElement> clipped; // the elements with samples held at the limits
};

DocumentView makeDocumentView(const SignalDocument& doc, const TracePoints& samples);

// Whether the element of a row has clipped samples.
bool isClippedRow(const DocumentView& view, int row);

// The texts of one row as the list shows them; the number of an element with clipped samples
// carries a mark ("2 !"). None when the row is not in the list.
std::optional<ListRow> shownRow(const SignalDocument& doc, const DocumentView& view, int row,
                                Language language);

// The time the selected rows take, one span per run of rows, for the chart to shade: the work
// grows with the runs, not with the rows.
std::vector<ElementSpan> selectedSpans(const DocumentView& view, const RowSelection& selection);
