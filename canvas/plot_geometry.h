#pragma once

#include "canvas/canvas_state.h"

#include <optional>

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// left, top, right, bottom in canvas pixels, as the window system's RECT.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// Where the time grid and the traces are drawn: xl, yt, xr, yb.
using PlotArea = PixelRect;

PlotArea plotArea(int width, int height);
PixelRect frameRect(int width, int height);
// Right end of the value-grid lines (they start at the plot's left edge).
int valueLineRight(int width);
PixelRect traceCaptionRect(int width, int height);
PixelRect divisionCaptionRect(int width, int height);
PixelRect valueLabelRect(int width, int height, int y);
PixelRect timeLabelRect(int width, int height, int x);

int labelFontHeight(int width, int height);
// Each colour byte halved: the value grid in a darker shade of its trace.
Colour gridColour(Colour colour);

// Pixel column of time t; not clamped to the plot area. Times far outside the view saturate a
// million pixels away instead of overflowing.
int timeToX(const Canvas& canvas, double t);
// Pixel row of value v on the trace's scale; not clamped (value-grid lines).
int valueToY(const Canvas& canvas, const Trace& trace, double v);
// Pixel row of a trace point, clamped to the plot area in floating point before conversion, so
// huge values land on the top or bottom edge; a NaN value lands on the bottom edge.
int clampedValueToY(const Canvas& canvas, const Trace& trace, double v);

// The time a pixel column of the plot area shows, the inverse of timeToX; none outside the plot
// area's columns (left … right, both included) or for an empty view.
std::optional<double> timeAtX(const Canvas& canvas, int x);
