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
    ColumnExtremes extremes;
    for (const PixelPoint& pixel : pixels)
        extremes.add(pixel);
    return extremes.finish();
}

void ColumnExtremes::add(PixelPoint pixel) {
    if (count_ > 0 && pixel.x != first_.x)
        closeColumn();
    if (count_ == 0) {
        first_ = low_ = high_ = pixel;
        lowAt_ = highAt_ = 0;
    }
    if (pixel.y < low_.y) {
        low_ = pixel;
        lowAt_ = count_;
    }
    if (pixel.y > high_.y) {
        high_ = pixel;
        highAt_ = count_;
    }
    last_ = pixel;
    ++count_;
}

std::vector<PixelPoint> ColumnExtremes::finish() {
    if (count_ > 0)
        closeColumn();
    return std::move(kept_);
}

void ColumnExtremes::keep(PixelPoint pixel) {
    if (kept_.empty() || kept_.back() != pixel)
        kept_.push_back(pixel);
}

void ColumnExtremes::closeColumn() {
    keep(first_);
    keep(lowAt_ < highAt_ ? low_ : high_);
    keep(lowAt_ < highAt_ ? high_ : low_);
    keep(last_);
    count_ = 0;
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
