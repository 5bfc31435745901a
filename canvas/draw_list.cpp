#include "canvas/draw_list.h"

#include "canvas/axis_labels.h"
#include "canvas/point_selection.h"
#include "canvas/time_grid.h"
#include "canvas/value_axis.h"

#include <utility>

namespace {

constexpr Colour TimeGridColour = 0x00808080;

TimeGrid buildTimeGrid(const Canvas& canvas, const PlotArea& area) {
    TimeGrid grid;
    grid.pen = {PenStyle::Dotted, 1, TimeGridColour};
    for (const TimeGridLine& line : layoutTimeGrid(canvas)) {
        grid.lines.push_back({{line.x, area.top}, {line.x, area.bottom}});
        if (line.labelled)
            grid.labels.push_back({timeLabel(line.time, canvas.showHundredths),
                                   timeLabelRect(canvas.width, canvas.height, line.x),
                                   TextSingleLine | TextCenter | TextTop, White});
    }
    return grid;
}

ValueAxis buildValueAxis(const Canvas& canvas, const Trace& trace, const PlotArea& area) {
    const int w = canvas.width;
    const int h = canvas.height;
    ValueAxis axis;
    axis.pen = {PenStyle::Dotted, 1, gridColour(trace.colour)};
    axis.caption = {traceCaption(trace), traceCaptionRect(w, h), TextSingleLine | TextVCenter,
                    trace.colour};
    for (const ValueLine& line : layoutValueAxis(canvas, trace)) {
        axis.lines.push_back({{area.left, line.y}, {valueLineRight(w), line.y}});
        axis.labels.push_back({line.label, valueLabelRect(w, h, line.y),
                               TextSingleLine | TextVCenter | TextLeft, trace.colour});
    }
    return axis;
}

void addPolyline(DrawList& list, const Canvas& canvas, const Trace& trace) {
    if (!trace.visible || pointsOf(trace).pointCount() == 0)
        return;
    list.traces.push_back({{PenStyle::Solid, 1, trace.colour}, selectDrawPoints(canvas, trace)});
}

// The clipped stretches stand out from the trace: red, a pixel wider than the trace itself.
void addClippedRuns(DrawList& list, const Canvas& canvas, const Trace& trace) {
    if (!trace.visible)
        return;
    for (std::vector<PixelPoint>& run : selectClippedRuns(canvas, trace))
        list.clipped.push_back({{PenStyle::Solid, 2, WarningColour}, std::move(run)});
}

} // namespace

DrawList buildDrawList(const Canvas& canvas) {
    const int w = canvas.width;
    const int h = canvas.height;
    DrawList list;
    list.width = w;
    list.height = h;
    list.background = {0, 0, w, h};
    // Written as a negated comparison so that a NaN window also shows only the background.
    if (!(canvas.viewEnd > canvas.viewStart))
        return list;
    const PlotArea area = plotArea(w, h);
    list.showsView = true;
    list.frame = frameRect(w, h);
    list.framePen = {PenStyle::Solid, 1, White};
    list.fontHeight = labelFontHeight(w, h);
    list.divisionCaption = {divisionLabel(canvas.secondsPerDivision), divisionCaptionRect(w, h),
                            TextSingleLine | TextVCenter | TextRight, White};
    list.timeGrid = buildTimeGrid(canvas, area);
    list.valueAxis = buildValueAxis(canvas, canvas.trace, area);
    addPolyline(list, canvas, canvas.trace);
    addClippedRuns(list, canvas, canvas.trace);
    return list;
}
