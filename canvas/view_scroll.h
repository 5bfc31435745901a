#pragma once

#include "canvas/canvas_state.h"

// Scroll-bar request codes, with the window system's numeric values.
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;
inline constexpr int SB_ENDSCROLL = 8;

// Shows start … end with a grid through anchor, or re-derives the window from the scroll state
// when the canvas has data spread over time. Every caller passes (0, displaySpan, 0).
void setView(Canvas& canvas, double start, double end, double anchor, CanvasEffects& effects);

// Re-derives the window, page and position from the scroll state and the data extent.
void updateViewFromScroll(Canvas& canvas, bool fromScrollBar, CanvasEffects& effects);

// A scroll-bar request; thumbPosition is the 16-bit position of SB_THUMBPOSITION/SB_THUMBTRACK.
// Requests that cannot move the position change nothing and cause no repaint.
void applyScrollAction(Canvas& canvas, int code, int thumbPosition, CanvasEffects& effects);
