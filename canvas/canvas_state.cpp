#include "canvas/canvas_state.h"

#include <algorithm>
#include <cmath>

namespace {

int scaled(int pixelsAt96, int dpi) {
    return pixelsAt96 * dpi / 96;
}

} // namespace

Canvas initialCanvas(int dpi) {
    Canvas canvas;
    canvas.dpi = dpi;
    canvas.x = scaled(20, dpi);
    canvas.y = scaled(20, dpi);
    canvas.width = scaled(700, dpi);
    canvas.height = scaled(400, dpi);
    return canvas;
}

int stripHeight(const Canvas& canvas) {
    return canvas.height / 25;
}

const TracePoints& pointsOf(const Trace& trace) {
    static const TracePoints none;
    return trace.points != nullptr ? *trace.points : none;
}

void setRange(Trace& trace, double minValue, double maxValue) {
    if (!(maxValue > minValue))
        return;
    trace.minValue = minValue;
    trace.maxValue = maxValue;
}

void setTimePerDivision(Canvas& canvas, double seconds) {
    if (!(seconds > 0) || !std::isfinite(seconds))
        return;
    // Whole units are counted in floating point so that no size of input can overflow.
    const double s = std::trunc(seconds);
    double snapped = seconds; // fractions of a second, such as 0.01, are kept as given
    if (s >= 86400)
        snapped = 86400 * std::trunc(s / 86400);
    else if (s >= 3600)
        snapped = 3600 * std::trunc(s / 3600);
    else if (s >= 60)
        snapped = 60 * std::trunc(s / 60);
    else if (s >= 1)
        snapped = s;
    canvas.secondsPerDivision = snapped;
}

double dataStartTime(const Canvas& canvas) {
    const TracePoints& points = pointsOf(canvas.trace);
    return points.pointCount() > 0 ? points.pointAt(0).time : 0;
}

double dataEndTime(const Canvas& canvas) {
    const TracePoints& points = pointsOf(canvas.trace);
    return points.pointCount() > 0 ? std::max(0.0, points.lastPoint().time) : 0;
}
