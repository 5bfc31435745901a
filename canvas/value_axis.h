#pragma once

#include "canvas/canvas_state.h"

#include <string>
#include <vector>

inline constexpr int ValueLineCount = 11;

struct ValueLine {
    int y = 0;
    double value = 0; // accumulated down from maxValue by repeated subtraction
    std::string label;
};

// The eleven horizontal lines of the axis trace, top to bottom.
std::vector<ValueLine> layoutValueAxis(const Canvas& canvas, const Trace& trace);
