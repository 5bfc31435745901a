#pragma once

#include "canvas/canvas_state.h"

#include <vector>

struct TimeGridLine {
    int x = 0;
    double time = 0; // accumulated from the anchor by repeated steps
    bool labelled = false;
};

// Lines carry a label when their index from the anchor is a multiple of this.
int timeLabelInterval(const Canvas& canvas);

// Vertical grid lines in drawing order: the anchor line, then forward, then backward. Empty when
// the view is empty or the division is below 0.01 s.
std::vector<TimeGridLine> layoutTimeGrid(const Canvas& canvas);
