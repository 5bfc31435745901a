#include "canvas/point_selection.h"

#include "model/clipping.h"

#include <algorithm>
#include <utility>

namespace {

PixelPoint pixelOf(const Canvas& canvas, const Trace& trace, SamplePoint point) {
    return {timeToX(canvas, point.time), clampedValueToY(canvas, trace, point.value)};
}

// Which limit a value is beyond: 1 above the range, -1 below, 0 inside (or NaN).
int sideOf(const Trace& trace, double value) {
    if (!isClipped(value, trace.minValue, trace.maxValue))
        return 0;
    return value > trace.maxValue ? 1 : -1;
}

void closeRun(std::vector<std::vector<PixelPoint>>& runs, std::vector<PixelPoint>& run) {
    if (run.empty())
        return;
    if (run.back().x == run.front().x)
        run.push_back({run.back().x + 1, run.back().y});
    runs.push_back(std::move(run));
    run.clear();
}

} // namespace

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
    for (int i = selection.first; i <= selection.last; i += selection.stride)
        pixels.push_back(pixelOf(canvas, trace, pointsOf(trace).pointAt(i)));
    return keepColumnExtremes(pixels);
}

std::vector<PixelPoint> keepColumnExtremes(const std::vector<PixelPoint>& pixels) {
    std::vector<PixelPoint> kept;
    kept.reserve(pixels.size());
    const auto keep = [&kept](PixelPoint point) {
        if (kept.empty() || kept.back() != point)
            kept.push_back(point);
    };
    for (std::size_t first = 0; first < pixels.size();) {
        std::size_t end = first;
        std::size_t low = first;
        std::size_t high = first;
        for (; end < pixels.size() && pixels[end].x == pixels[first].x; ++end) {
            if (pixels[end].y < pixels[low].y)
                low = end;
            if (pixels[end].y > pixels[high].y)
                high = end;
        }
        keep(pixels[first]);
        keep(pixels[std::min(low, high)]);
        keep(pixels[std::max(low, high)]);
        keep(pixels[end - 1]);
        first = end;
    }
    return kept;
}

std::vector<std::vector<PixelPoint>> selectClippedRuns(const Canvas& canvas, const Trace& trace) {
    std::vector<std::vector<PixelPoint>> runs;
    if (!(trace.maxValue > trace.minValue))
        return runs;
    const PointSelection selection = selectPointRange(canvas, trace);
    std::vector<PixelPoint> run;
    int runSide = 0;
    for (int i = selection.first; i <= selection.last; i += selection.stride) {
        const SamplePoint point = pointsOf(trace).pointAt(i);
        const int side = sideOf(trace, point.value);
        if (side != runSide)
            closeRun(runs, run);
        runSide = side;
        if (side != 0)
            run.push_back(pixelOf(canvas, trace, point));
    }
    closeRun(runs, run);
    return runs;
}
