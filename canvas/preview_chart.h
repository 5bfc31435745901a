// A small chart of a signal that is not the document's yet: the import dialog's preview.
#pragma once

#include "canvas/draw_list.h"
#include "model/trace_points.h"

// The whole signal on a chart of width × height pixels at dpi, with the range's value axis and
// the shortest display period that shows all of it (the longest when none does). The samples must
// outlive nothing: the draw list holds finished coordinates only.
DrawList previewDrawList(const TracePoints& samples, int rangeCode, int width, int height, int dpi);
