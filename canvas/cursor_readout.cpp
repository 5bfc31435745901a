#include "canvas/cursor_readout.h"

#include "canvas/axis_labels.h"
#include "canvas/point_selection.h"
#include "model/clipping.h"

namespace {

constexpr Colour CursorColour = 0x00C0C0C0;

PixelRect readoutRect(const Canvas& canvas) {
    const int w = canvas.width;
    const int h = canvas.height;
    return {traceCaptionRect(w, h).right, 0, divisionCaptionRect(w, h).left, plotArea(w, h).top};
}

PixelRect columnRect(const Canvas& canvas, int x) {
    const PlotArea area = plotArea(canvas.width, canvas.height);
    return {x, area.top, x + 1, area.bottom};
}

// The sample holding at time t: none before the first or after the last point.
int sampleAt(const TracePoints& points, double t) {
    if (points.pointCount() == 0 || t > points.lastPoint().time)
        return -1;
    return lastPointAtOrBefore(points, t);
}

} // namespace

CursorReadout cursorReadout(const Canvas& canvas, int x, Language language) {
    CursorReadout readout;
    const std::optional<double> time = timeAtX(canvas, x);
    if (!time)
        return readout;
    readout.inPlot = true;
    readout.time = *time;
    readout.text = timeLabelWithMilliseconds(*time) + "  ";
    readout.sampleIndex = sampleAt(pointsOf(canvas.trace), *time);
    if (readout.sampleIndex < 0) {
        readout.text += text(TextId::ReadoutNoSignal, language);
        return readout;
    }
    const Trace& trace = canvas.trace;
    const double value = pointsOf(trace).pointAt(readout.sampleIndex).value;
    readout.clipped = isClipped(value, trace.minValue, trace.maxValue);
    readout.text += valueText(trace, value);
    if (!trace.unit.empty())
        readout.text += " " + trace.unit;
    return readout;
}

std::optional<CursorOverlay> cursorOverlay(const Canvas& canvas, int x, Language language) {
    const CursorReadout readout = cursorReadout(canvas, x, language);
    if (!readout.inPlot)
        return std::nullopt;
    const PixelRect column = columnRect(canvas, x);
    return CursorOverlay{{PenStyle::Solid, 1, CursorColour},
                         {{x, column.top}, {x, column.bottom}},
                         {readout.text, readoutRect(canvas),
                          TextSingleLine | TextCenter | TextVCenter,
                          readout.clipped ? WarningColour : White}};
}

std::vector<PixelRect> cursorRepaintRects(const Canvas& canvas, int fromX, int toX) {
    std::vector<PixelRect> rects;
    const bool fromShown = timeAtX(canvas, fromX).has_value();
    const bool toShown = timeAtX(canvas, toX).has_value();
    if (fromShown)
        rects.push_back(columnRect(canvas, fromX));
    if (toShown && !(fromShown && toX == fromX))
        rects.push_back(columnRect(canvas, toX));
    if (fromShown || toShown)
        rects.push_back(readoutRect(canvas));
    return rects;
}
