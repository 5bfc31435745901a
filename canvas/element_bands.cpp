#include "canvas/element_bands.h"

#include "canvas/view_scroll.h"

#include <algorithm>

std::optional<FilledRect> elementBand(const Canvas& canvas, const ElementSpan& span) {
    if (!(canvas.viewEnd > canvas.viewStart))
        return std::nullopt;
    const PlotArea area = plotArea(canvas.width, canvas.height);
    const int left = std::clamp(timeToX(canvas, span.start), area.left, area.right);
    const int right = std::clamp(timeToX(canvas, span.end), area.left, area.right);
    if (right <= left)
        return std::nullopt;
    return FilledRect{{left, area.top, right, area.bottom}, ElementBandColour};
}

int elementAtX(const Canvas& canvas, const std::vector<ElementSpan>& spans, int x) {
    const std::optional<double> time = timeAtX(canvas, x);
    return time ? elementAtTime(spans, *time) : -1;
}

void revealTime(Canvas& canvas, double t, CanvasEffects& effects) {
    if (t >= canvas.viewStart && t <= canvas.viewEnd)
        return;
    showViewFrom(canvas, t, effects);
}
