#include "canvas/plot_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixel offsets beyond this are far off any screen; saturating here keeps every conversion to int
// defined whatever the data (1e300, infinities, NaN).
constexpr double PixelLimit = 1e6;

int truncSaturated(double v) {
    if (std::isnan(v))
        return 0;
    return static_cast<int>(std::clamp(v, -PixelLimit, PixelLimit));
}

int truncOf(double v) {
    return static_cast<int>(v);
}

// Offset of value v above the bottom of the plot, before rounding.
double valueOffset(const Canvas& canvas, const Trace& trace, double v) {
    const PlotArea area = plotArea(canvas.width, canvas.height);
    const double ph = area.bottom - area.top;
    return (v - trace.minValue) * ph / (trace.maxValue - trace.minValue) + 0.5;
}

} // namespace

PlotArea plotArea(int width, int height) {
    // 1 − 0.07 in double is 0.9299999999999999, which decides the right edge at some widths.
    const double rightFraction = 1 - 0.07;
    return {truncOf(0.1 * width), truncOf(0.06 * height), truncOf(rightFraction * width),
            truncOf(0.9 * height)};
}

PixelRect frameRect(int width, int height) {
    return {truncOf(0.1 * width) - 1, truncOf(0.06 * height) - 2, truncOf(0.95 * width) + 1,
            truncOf(0.9 * height) + 2};
}

int valueLineRight(int width) {
    return truncOf(0.95 * width);
}

PixelRect traceCaptionRect(int width, int height) {
    return {truncOf(0.1 * width), 0, truncOf(0.5 * width), truncOf(0.06 * height)};
}

PixelRect divisionCaptionRect(int width, int height) {
    return {truncOf(0.8 * width), 0, truncOf(0.95 * width), truncOf(0.06 * height)};
}

PixelRect valueLabelRect(int width, int height, int y) {
    const int xl = plotArea(width, height).left;
    return {xl / 10, y - height / 30, xl, y + height / 30};
}

PixelRect timeLabelRect(int width, int height, int x) {
    return {x - width / 10, (height + truncOf(0.91 * height)) / 2, x + width / 10, height};
}

int labelFontHeight(int width, int height) {
    return std::min(14 * width / 700, 14 * height / 400);
}

Colour gridColour(Colour colour) {
    return (colour >> 1) & 0x007F7F7F;
}

int timeToX(const Canvas& canvas, double t) {
    const PlotArea area = plotArea(canvas.width, canvas.height);
    const double pw = area.right - area.left;
    const double x = (t - canvas.viewStart) * pw / (canvas.viewEnd - canvas.viewStart) + 0.5;
    return area.left + truncSaturated(x);
}

int valueToY(const Canvas& canvas, const Trace& trace, double v) {
    return plotArea(canvas.width, canvas.height).bottom -
           truncSaturated(valueOffset(canvas, trace, v));
}

int clampedValueToY(const Canvas& canvas, const Trace& trace, double v) {
    const PlotArea area = plotArea(canvas.width, canvas.height);
    const double offset = valueOffset(canvas, trace, v);
    if (std::isnan(offset))
        return area.bottom;
    return area.bottom - truncOf(std::clamp(offset, 0.0, double(area.bottom - area.top)));
}

std::optional<double> timeAtX(const Canvas& canvas, int x) {
    const PlotArea area = plotArea(canvas.width, canvas.height);
    if (x < area.left || x > area.right || !(canvas.viewEnd > canvas.viewStart))
        return std::nullopt;
    const double pw = area.right - area.left;
    return canvas.viewStart + (x - area.left) * (canvas.viewEnd - canvas.viewStart) / pw;
}
