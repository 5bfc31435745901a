#pragma once

#include "canvas/canvas_state.h"

// What a turn of the mouse wheel over the chart does to the view.
struct WheelZoom {
    int position = 0;     // display-period list position to select; the list shows it too
    double viewStart = 0; // where the new view starts, before the signal's extent limits it
};

// steps: wheel notches, forward positive (the wheel delta over 120). Each forward notch takes the
// next shorter display period, each backward one the next longer, stopping at the list's ends.
// The time under column x (kept to the plot area) stays in that column.
WheelZoom wheelZoom(const Canvas& canvas, int position, int steps, int x);

// Selects the zoom's display period and shows the view from its start.
void applyWheelZoom(Canvas& canvas, const WheelZoom& zoom, CanvasEffects& effects);

// Shift with the wheel scrolls like the scroll bar's arrows: the request code to pass to
// applyScrollAction once per notch, forward toward the signal's start.
int shiftWheelScrollCode(int steps);
