#pragma once

#include "canvas/canvas_state.h"

// Scroll-bar request codes, with the numeric values of the window system's SB_ codes.
inline constexpr int ScrollLineUp = 0;
inline constexpr int ScrollLineDown = 1;
inline constexpr int ScrollPageUp = 2;
inline constexpr int ScrollPageDown = 3;
inline constexpr int ScrollThumbPosition = 4;
inline constexpr int ScrollThumbTrack = 5;
inline constexpr int ScrollTop = 6;
inline constexpr int ScrollBottom = 7;
inline constexpr int ScrollEnded = 8;

// Shows start … end with a grid through anchor, or re-derives the window from the scroll state
// when the canvas has data spread over time. Every caller passes (0, displaySpan, 0).
void setView(Canvas& canvas, double start, double end, double anchor, CanvasEffects& effects);

// Re-derives the window, page and position from the scroll state and the data extent.
void updateViewFromScroll(Canvas& canvas, bool fromScrollBar, CanvasEffects& effects);

// Shows the display span from start, kept within the signal as the scroll bar keeps it (a view
// reaching the signal's end follows the end), and moves the scroll bar there. Without a signal
// longer than the span, the usual view from the start.
void showViewFrom(Canvas& canvas, double start, CanvasEffects& effects);

// A scroll-bar request; thumbPosition is the 16-bit position of
// ScrollThumbPosition/ScrollThumbTrack. Requests that cannot move the position change nothing and
// cause no repaint.
void applyScrollAction(Canvas& canvas, int code, int thumbPosition, CanvasEffects& effects);
