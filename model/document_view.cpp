#include "model/document_view.h"

#include <algorithm>

DocumentView makeDocumentView(const SignalDocument& doc, const TracePoints& samples) {
    return {elementSpans(doc.elements), clippedElements(doc, samples)};
}

bool isClippedRow(const DocumentView& view, int row) {
    const auto found = std::lower_bound(
        view.clipped.begin(), view.clipped.end(), row,
        [](const ClippedElement& element, int index) { return element.element < index; });
    return found != view.clipped.end() && found->element == row;
}

std::optional<ListRow> shownRow(const SignalDocument& doc, const DocumentView& view, int row,
                                Language language) {
    std::optional<ListRow> texts = listRowAt(doc.elements, view.spans, row, language);
    if (texts && isClippedRow(view, row))
        texts->number += " !";
    return texts;
}

std::vector<ElementSpan> selectedSpans(const DocumentView& view, const RowSelection& selection) {
    std::vector<ElementSpan> spans;
    const auto shown = static_cast<int>(view.spans.size());
    for (const RowRange& range : selection.ranges) {
        const int last = std::min(range.last, shown);
        if (range.first < 0 || range.first >= last)
            continue;
        spans.push_back({view.spans[static_cast<std::size_t>(range.first)].start,
                         view.spans[static_cast<std::size_t>(last - 1)].end});
    }
    return spans;
}
