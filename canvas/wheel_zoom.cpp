#include "canvas/wheel_zoom.h"

#include "canvas/canvas_setup.h"
#include "canvas/plot_geometry.h"
#include "canvas/view_scroll.h"
#include "model/tables.h"

#include <algorithm>

WheelZoom wheelZoom(const Canvas& canvas, int position, int steps, int x) {
    // A position outside the list stands for the entry displayPeriod falls back to.
    const int current =
        position >= 0 && position < DisplayPeriodCount ? position : InitialDisplayPeriod;
    const int next =
        std::clamp(current - std::clamp(steps, -DisplayPeriodCount, DisplayPeriodCount), 0,
                   DisplayPeriodCount - 1);
    const PlotArea area = plotArea(canvas.width, canvas.height);
    const double fraction =
        double(std::clamp(x, area.left, area.right) - area.left) / (area.right - area.left);
    const double mouseTime = canvas.viewStart + fraction * (canvas.viewEnd - canvas.viewStart);
    return {next, mouseTime - fraction * displayPeriod(next).span};
}

void applyWheelZoom(Canvas& canvas, const WheelZoom& zoom, CanvasEffects& effects) {
    selectDisplayPeriod(canvas, zoom.position);
    showViewFrom(canvas, zoom.viewStart, effects);
}

int shiftWheelScrollCode(int steps) {
    return steps > 0 ? ScrollLineUp : ScrollLineDown;
}
