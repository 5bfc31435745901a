#pragma once

#include "model/document_view.h"
#include "model/row_selection.h"
#include "model/signal_document.h"
#include "model/texts.h"
#include "model/trace_points.h"

#include <string>

// A stretch of the signal's time, [start, end) in seconds.
struct TimeStretch {
    double start = 0;
    double end = 0;
    bool whole = true; // the whole signal, as nothing is selected

    double duration() const { return end - start; }
    bool operator==(const TimeStretch&) const = default;
};

// The time of the selected elements, from the first selected row's start to the last selected
// row's end; the whole signal when no row of the list is selected.
TimeStretch selectionStretch(const DocumentView& view, const RowSelection& selection);

// The figures of a stretch of the signal, in the range's unit.
struct SignalStats {
    TimeStretch stretch;
    int sampleCount = 0; // the samples measured; the figures below mean something only above 0
    double minimum = 0;
    double minimumTime = 0; // where the minimum first occurs
    double maximum = 0;
    double maximumTime = 0;
    double mean = 0;
    double rms = 0;
    int outsideRange = 0; // samples the export holds at the range's limits

    double peakToPeak() const { return maximum - minimum; }
};

// The samples whose time lies in the stretch, as the export writes them (held at the range's
// limits). Each sample stands for one sample interval, so each weighs the same; the point that
// closes the signal at its total time is no sample. A sample counts by its time on the sample
// grid, so a time a binary fraction off the grid still falls where it was entered.
SignalStats measureStretch(const SignalDocument& doc, const TracePoints& samples,
                           const TimeStretch& stretch);

// "選択 00:01.000–00:03.000 (2.000 秒): 最小 -1.0000  最大 2.0000  平均 0.5000  実効値 1.2247 V",
// "全体 …" for the whole signal; empty when the stretch holds no sample.
std::string statsStatusText(const SignalStats& stats, int rangeCode, Language language);
