#pragma once

#include "canvas/draw_list.h"
#include "model/reference_trace.h"

#include <optional>

// Grey, so the signal drawn over it stays the one that catches the eye.
inline constexpr Colour ReferenceColour = 0x00A0A0A0;

// The reference as the chart draws it under the signal, on the signal's axes from time 0: from
// the view's start (or the reference's) to its end, held values as steps, each pixel column kept
// to its extremes so a reference of millions of points costs the painter a few per column. None
// when no time of the reference is in view.
std::optional<TracePolyline> referencePolyline(const Canvas& canvas,
                                               const ReferenceTrace& reference);
