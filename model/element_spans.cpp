#include "model/element_spans.h"

#include <cstddef>

std::vector<ElementSpan> elementSpans(const ElementList& elements) {
    std::vector<ElementSpan> spans;
    spans.reserve(elements.size());
    double start = 0.0;
    for (const SignalElement& element : elements) {
        const double end = start + element.duration;
        spans.push_back({start, end});
        start = end;
    }
    return spans;
}

int elementAtTime(const std::vector<ElementSpan>& spans, double t) {
    // A plain walk: a hand-edited list of negative durations has spans out of order.
    for (std::size_t i = 0; i < spans.size(); ++i)
        if (t >= spans[i].start && t < spans[i].end)
            return static_cast<int>(i);
    return -1;
}
