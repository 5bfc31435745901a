#include "canvas/preview_chart.h"

#include "canvas/canvas_setup.h"
#include "canvas/view_scroll.h"
#include "model/tables.h"

namespace {

// A preview has no scroll bar and repaints only when asked.
struct NoWindow final : CanvasEffects {
    void pushScrollState(const Canvas&) override {}
    void requestRepaint(const Canvas&) override {}
};

int periodShowing(double duration) {
    for (int position = 0; position < DisplayPeriodCount; ++position) {
        if (displayPeriod(position).span >= duration)
            return position;
    }
    return DisplayPeriodCount - 1;
}

} // namespace

DrawList previewDrawList(const TracePoints& samples, int rangeCode, int width, int height,
                         int dpi) {
    NoWindow window;
    Canvas canvas = initialCanvas(dpi);
    canvas.width = width;
    canvas.height = height;
    Trace& trace = configureOutputCanvas(canvas, window);
    applyOutputRange(trace, rangeCode);
    trace.points = &samples;
    const double duration = samples.pointCount() > 0 ? samples.lastPoint().time : 0.0;
    applyDisplayPeriod(canvas, periodShowing(duration), window);
    return buildDrawList(canvas);
}
