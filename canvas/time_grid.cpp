#include "canvas/time_grid.h"

#include "canvas/plot_geometry.h"

#include <cmath>

namespace {

bool hasTimeGrid(const Canvas& canvas) {
    return canvas.viewEnd > canvas.viewStart && canvas.secondsPerDivision >= 0.01;
}

} // namespace

int timeLabelInterval(const Canvas& canvas) {
    const double divisions = (canvas.viewEnd - canvas.viewStart) / canvas.secondsPerDivision;
    // A view of more than a billion divisions labels only its anchor line.
    if (!(divisions < 1e9))
        return 1'000'000'000;
    return (static_cast<int>(divisions) + 1) / 8 + 1;
}

std::vector<TimeGridLine> layoutTimeGrid(const Canvas& canvas) {
    std::vector<TimeGridLine> lines;
    if (!hasTimeGrid(canvas))
        return lines;
    const PlotArea area = plotArea(canvas.width, canvas.height);
    const double d = canvas.secondsPerDivision;
    const int every = timeLabelInterval(canvas);
    lines.push_back({timeToX(canvas, canvas.gridAnchor), canvas.gridAnchor, true});
    // Times are accumulated step by step, as the labels show them. A step too small to change
    // the time ends the walk, which would otherwise never leave the view.
    double t = canvas.gridAnchor + d;
    for (int i = 1; timeToX(canvas, t) < area.right; ++i) {
        lines.push_back({timeToX(canvas, t), t, i % every == 0});
        if (t + d == t)
            break;
        t += d;
    }
    t = canvas.gridAnchor - d;
    for (int i = 1; timeToX(canvas, t) > area.left; ++i) {
        lines.push_back({timeToX(canvas, t), t, i % every == 0});
        if (t - d == t)
            break;
        t -= d;
    }
    return lines;
}
