#pragma once

#include "canvas/draw_list.h"
#include "model/element_spans.h"

#include <optional>
#include <vector>

// Dark grey-blue: marks an element picked in the list without hiding the grid or the trace.
inline constexpr Colour ElementBandColour = 0x00503828;

// The band over the plot's height for an element's span, cut to the plot area; none when the
// span has no width in the view.
std::optional<FilledRect> elementBand(const Canvas& canvas, const ElementSpan& span);

// The element under pixel column x; -1 outside the plot area or where no element is.
int elementAtX(const Canvas& canvas, const std::vector<ElementSpan>& spans, int x);

// When time t lies outside the view, scrolls so that the view starts there (as far as the signal
// allows); a time in view changes nothing.
void revealTime(Canvas& canvas, double t, CanvasEffects& effects);
