#include "canvas/reference_chart.h"

#include "canvas/point_selection.h"

#include <algorithm>

std::optional<TracePolyline> referencePolyline(const Canvas& canvas,
                                               const ReferenceTrace& reference) {
    const std::vector<SamplePoint>& points = reference.points;
    if (points.empty())
        return std::nullopt;
    const double from = std::max(canvas.viewStart, points.front().time);
    const double to = std::min(canvas.viewEnd, points.back().time);
    if (!(from <= to))
        return std::nullopt;
    const Trace& trace = canvas.trace;
    ColumnExtremes extremes;
    const auto add = [&](double t, double value) {
        extremes.add({timeToX(canvas, t), clampedValueToY(canvas, trace, value)});
    };
    const auto byTime = [](const SamplePoint& point, double t) { return point.time < t; };
    double value = referenceValueAt(reference, from);
    add(from, value);
    auto point = std::lower_bound(points.begin(), points.end(), from, byTime);
    for (; point != points.end() && point->time < to; ++point) {
        if (point->time <= from)
            continue;
        // A held value runs level up to the next point, which then jumps.
        if (reference.held)
            add(point->time, value);
        value = point->value;
        add(point->time, value);
    }
    add(to, reference.held ? value : referenceValueAt(reference, to));
    return TracePolyline{{PenStyle::Solid, 1, ReferenceColour}, extremes.finish()};
}
