#include "canvas/value_axis.h"

#include "canvas/axis_labels.h"
#include "canvas/plot_geometry.h"

std::vector<ValueLine> layoutValueAxis(const Canvas& canvas, const Trace& trace) {
    std::vector<ValueLine> lines;
    const double step = (trace.maxValue - trace.minValue) / 10;
    // Repeated subtraction: the middle line of ±32 V carries about 1.8e-15 and reads "  +0.000".
    double v = trace.maxValue;
    for (int k = 0; k < ValueLineCount; ++k) {
        lines.push_back({valueToY(canvas, trace, v), v, valueLabel(trace, v)});
        v -= step;
    }
    return lines;
}
