#pragma once

#include "canvas/draw_list.h"
#include "model/texts.h"

#include <optional>
#include <string>
#include <vector>

// What the chart says about the column under the mouse.
struct CursorReadout {
    bool inPlot = false;  // the rest is only filled in over the plot area
    double time = 0;      // seconds at the column
    int sampleIndex = -1; // trace 0's sample at or just before the time; -1: no signal there
    bool clipped = false; // that sample lies beyond the range
    // "00:01:15.250  +2.500 V"; "00:01:15.250  信号なし" before the signal's start or past its end.
    std::string text;
};

// Readout at canvas pixel column x; the sample is found by binary search.
CursorReadout cursorReadout(const Canvas& canvas, int x, Language language);

// The cursor for the draw list: a thin line through the plot area at x and the readout at the
// top of the chart, between the trace caption and the division caption, red when clipped. None
// outside the plot area.
std::optional<CursorOverlay> cursorOverlay(const Canvas& canvas, int x, Language language);

// What the window invalidates when the cursor moves from column fromX to toX (a column outside
// the plot area: no cursor there): each line's column and the readout's box, nothing else.
std::vector<PixelRect> cursorRepaintRects(const Canvas& canvas, int fromX, int toX);
