#include "model/reference_trace.h"

#include "model/clipping.h"
#include "model/clock_text.h"
#include "model/number_text.h"
#include "model/tables.h"

#include <algorithm>
#include <cmath>

namespace {

// The reference's value at t, from the point at or just before it (index at): held, or on the
// line to the next point.
double valueOnReference(const ReferenceTrace& reference, std::size_t at, double t) {
    const SamplePoint from = reference.points[at];
    if (reference.held || at + 1 == reference.points.size() || t <= from.time)
        return from.value;
    const SamplePoint to = reference.points[at + 1];
    // The caller's search leaves the next point past t, so the fraction lies in (0, 1).
    return from.value + (to.value - from.value) * (t - from.time) / (to.time - from.time);
}

} // namespace

double referenceValueAt(const ReferenceTrace& reference, double t) {
    const auto after =
        std::upper_bound(reference.points.begin(), reference.points.end(), t + SameTimeSlack,
                         [](double time, const SamplePoint& point) { return time < point.time; });
    const auto at = after == reference.points.begin() ? 0 : after - reference.points.begin() - 1;
    return valueOnReference(reference, static_cast<std::size_t>(at), t);
}

ReferenceTrace exportedTrace(const SignalDocument& doc, const TracePoints& samples) {
    const OutputRange& range = outputRange(doc.rangeCode);
    ReferenceTrace trace;
    trace.held = true;
    trace.points.reserve(static_cast<std::size_t>(samples.pointCount()));
    for (int i = 0; i < samples.pointCount(); ++i) {
        const SamplePoint sample = samples.pointAt(i);
        trace.points.push_back(
            {sample.time, clampToLimits(sample.value, range.minimum, range.maximum)});
    }
    return trace;
}

ReferenceTrace referenceOfPoints(const PointList& points) {
    ReferenceTrace trace;
    trace.held = points.isReplay();
    const std::size_t count = std::min(points.times.size(), points.values.size());
    trace.points.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        trace.points.push_back({points.times[i], points.values[i]});
    return trace;
}

TraceDifference largestDifference(const ReferenceTrace& signal, const ReferenceTrace& reference) {
    TraceDifference difference;
    const std::vector<SamplePoint>& samples = signal.points;
    const std::vector<SamplePoint>& points = reference.points;
    if (points.empty() || samples.empty())
        return difference;
    const std::size_t sampleCount = samples.size() - (signal.held ? 1 : 0);
    const double from = points.front().time - SameTimeSlack;
    const double to = points.back().time + SameTimeSlack;
    std::size_t at = 0;
    for (std::size_t i = 0; i < sampleCount; ++i) {
        const SamplePoint sample = samples[i];
        if (!(sample.time >= from))
            continue;
        if (!(sample.time <= to))
            break;
        while (at + 1 < points.size() && points[at + 1].time <= sample.time + SameTimeSlack)
            ++at;
        const double gap = std::abs(sample.value - valueOnReference(reference, at, sample.time));
        if (difference.compared == 0) {
            difference.firstTime = sample.time;
            difference.time = sample.time;
        }
        if (gap > difference.largest) {
            difference.largest = gap;
            difference.time = sample.time;
        }
        difference.lastTime = sample.time;
        ++difference.compared;
    }
    return difference;
}

std::string referenceStatusText(const TraceDifference& difference, int rangeCode,
                                Language language) {
    if (difference.compared == 0)
        return std::string(text(TextId::StatusReferenceNoOverlap, language));
    return formatText(TextId::StatusReferenceDifference, language,
                      {formatFixed(difference.largest, 4), outputRange(rangeCode).unitText,
                       timeLabelWithMilliseconds(difference.time)});
}
