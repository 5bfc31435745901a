#pragma once

#include "canvas/canvas_state.h"

// The output trace's colour: light yellow.
inline constexpr Colour OutputTraceColour = 0x0050FFFF;

// Gives a freshly created canvas its output trace (−10 … 10 "V", light yellow) and the display
// period the main window's list starts with (30 s at 5 s/div), then shows the empty view.
// Returns the output trace.
Trace& configureOutputCanvas(Canvas& canvas, CanvasEffects& effects);

// The trace's value range and unit for an output range code (unknown codes: −10 … 10 "V").
void applyOutputRange(Trace& trace, int rangeCode);

// Span, division and hundredths of a display-period list position, without a view update.
void selectDisplayPeriod(Canvas& canvas, int position);

// The same, then a view update.
void applyDisplayPeriod(Canvas& canvas, int position, CanvasEffects& effects);
