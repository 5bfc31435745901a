#include "canvas/canvas_setup.h"

#include "canvas/view_scroll.h"
#include "model/tables.h"

#include <string>

Trace& configureOutputCanvas(Canvas& canvas, CanvasEffects& effects) {
    Trace& trace = canvas.trace;
    setTimePerDivision(canvas, 5);
    applyOutputRange(trace, -1); // before a range is chosen: the first one's −10 … 10 V
    trace.colour = OutputTraceColour;
    trace.visible = true;
    // The span of the display period the main window's list starts on, so that the chart and
    // the list agree from the start.
    canvas.showHundredths = false;
    canvas.displaySpan = displayPeriod(InitialDisplayPeriod).span;
    setView(canvas, 0, canvas.displaySpan, 0, effects);
    return trace;
}

void applyOutputRange(Trace& trace, int rangeCode) {
    const OutputRange& range = outputRange(rangeCode);
    setRange(trace, range.minimum, range.maximum);
    trace.unit = std::string(range.unitText);
}

void selectDisplayPeriod(Canvas& canvas, int position) {
    const DisplayPeriod& period = displayPeriod(position);
    canvas.displaySpan = period.span;
    setTimePerDivision(canvas, period.gridStep);
    canvas.showHundredths = period.hundredths;
}

void applyDisplayPeriod(Canvas& canvas, int position, CanvasEffects& effects) {
    selectDisplayPeriod(canvas, position);
    setView(canvas, 0, canvas.displaySpan, 0, effects);
}
