#pragma once

#include "canvas/draw_list.h"

#include <string>

// The chart as a plain SVG document: one element per grid line, label, frame and trace, at the
// draw list's integer pixel coordinates, in a generic monospace font, nothing embedded.
std::string svgChart(const DrawList& list);
