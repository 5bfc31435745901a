#pragma once

#include "canvas/draw_list.h"

#include <windows.h>

// Draws a finished draw list: every position comes from the list, none is computed here. Pens
// and fonts are created for this paint and deleted before it returns.
void PaintDrawList(HDC dc, const DrawList& list);
