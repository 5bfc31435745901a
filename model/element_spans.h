#pragma once

#include "model/signal_document.h"

#include <vector>

// The time an element takes in the signal: [start, end), start being the sum of the durations
// before it, summed in list order as the synthesis does, so sample times fall in their element.
struct ElementSpan {
    double start = 0;
    double end = 0;
    bool operator==(const ElementSpan&) const = default;
};

std::vector<ElementSpan> elementSpans(const ElementList& elements);

// Index of the element whose span holds t; -1 when none does (before the first, at or past the
// total time, or a NaN time). Elements of no duration hold no time; the first of overlapping
// spans (negative durations in a hand-edited list) wins.
int elementAtTime(const std::vector<ElementSpan>& spans, double t);
