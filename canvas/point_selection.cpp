#include "canvas/point_selection.h"

namespace {

double timeAt(const TracePoints& points, int index) {
    return points.pointAt(index).time;
}

} // namespace

int firstPointAtOrAfter(const TracePoints& points, double t) {
    const int n = points.pointCount();
    if (timeAt(points, 0) > t)
        return 0;
    if (points.lastPoint().time < t)
        return n;
    int lo = 0;
    int hi = n;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (t > timeAt(points, mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

int lastPointAtOrBefore(const TracePoints& points, double t) {
    const int n = points.pointCount();
    if (timeAt(points, 0) > t)
        return -1;
    if (points.lastPoint().time < t)
        return n - 1;
    int lo = 0;
    int hi = n;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (t >= timeAt(points, mid))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo - 1;
}

PointSelection selectPointRange(const Canvas& canvas, const Trace& trace) {
    PointSelection selection;
    if (pointsOf(trace).pointCount() == 0)
        return selection;
    selection.first = firstPointAtOrAfter(pointsOf(trace), canvas.viewStart);
    selection.last = lastPointAtOrBefore(pointsOf(trace), canvas.viewEnd);
    const int n = selection.last - selection.first + 1;
    if (n <= 0)
        return selection;
    if (n > MaxDrawnPoints) {
        // Every stride-th point counted back from the last, so the newest point in view is drawn.
        selection.stride = n / MaxDrawnPoints + 1;
        selection.first = selection.last - selection.stride * (n / selection.stride - 1);
    }
    selection.count = (selection.last - selection.first) / selection.stride + 1;
    return selection;
}

std::vector<PixelPoint> selectDrawPoints(const Canvas& canvas, const Trace& trace) {
    const PointSelection selection = selectPointRange(canvas, trace);
    std::vector<PixelPoint> pixels;
    pixels.reserve(static_cast<std::size_t>(selection.count));
    for (int i = selection.first; i <= selection.last; i += selection.stride) {
        const SamplePoint point = pointsOf(trace).pointAt(i);
        pixels.push_back(
            {timeToX(canvas, point.time), clampedValueToY(canvas, trace, point.value)});
    }
    return pixels;
}
