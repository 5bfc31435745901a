#include "model/signal_stats.h"

#include "model/clipping.h"
#include "model/list_rows.h"
#include "model/number_text.h"
#include "model/tables.h"

#include <algorithm>
#include <cmath>

TimeStretch selectionStretch(const DocumentView& view, const RowSelection& selection) {
    const std::vector<ElementSpan> selected = selectedSpans(view, selection);
    if (!selected.empty())
        return {selected.front().start, selected.back().end, false};
    return {0, view.spans.empty() ? 0 : view.spans.back().end, true};
}

SignalStats measureStretch(const SignalDocument& doc, const TracePoints& samples,
                           const TimeStretch& stretch) {
    SignalStats stats;
    stats.stretch = stretch;
    if (samples.pointCount() < 2)
        return stats;
    const double halfInterval = doc.sampleInterval / 2;
    const int first = firstPointAtOrAfter(samples, stretch.start - halfInterval);
    const int end = std::min(firstPointAtOrAfter(samples, stretch.end - halfInterval),
                             samples.pointCount() - 1);
    if (first >= end)
        return stats;
    const OutputRange& range = outputRange(doc.rangeCode);
    const SamplePoint firstSample = samples.pointAt(first);
    stats.minimum = stats.maximum = clampToLimits(firstSample.value, range.minimum, range.maximum);
    stats.minimumTime = stats.maximumTime = firstSample.time;
    double sum = 0;
    double sumOfSquares = 0;
    int outside = 0;
    for (int i = first; i < end; ++i) {
        const SamplePoint sample = samples.pointAt(i);
        outside += isClipped(sample.value, range.minimum, range.maximum) ? 1 : 0;
        const double value = clampToLimits(sample.value, range.minimum, range.maximum);
        if (value < stats.minimum) {
            stats.minimum = value;
            stats.minimumTime = sample.time;
        }
        if (value > stats.maximum) {
            stats.maximum = value;
            stats.maximumTime = sample.time;
        }
        sum += value;
        sumOfSquares += value * value;
    }
    stats.outsideRange = outside;
    stats.sampleCount = end - first;
    stats.mean = sum / stats.sampleCount;
    stats.rms = std::sqrt(sumOfSquares / stats.sampleCount);
    return stats;
}

std::string statsStatusText(const SignalStats& stats, int rangeCode, Language language) {
    if (stats.sampleCount == 0)
        return {};
    const TimeStretch& stretch = stats.stretch;
    return formatText(stretch.whole ? TextId::StatusStatsWhole : TextId::StatusStatsSelection,
                      language,
                      {startTimeText(stretch.start), startTimeText(stretch.end),
                       formatFixed(stretch.duration(), 3), formatFixed(stats.minimum, 4),
                       formatFixed(stats.maximum, 4), formatFixed(stats.mean, 4),
                       formatFixed(stats.rms, 4), outputRange(rangeCode).unitText});
}
