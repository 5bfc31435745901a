#include "canvas/axis_labels.h"

#include "model/clock_text.h"
#include "model/number_text.h"

#include <cmath>

namespace {

std::string wholeNumber(double n) {
    return formatFixed(n, 0);
}

} // namespace

std::string divisionLabel(double d) {
    if (!(d >= 1))
        return formatFixed(d, 2) + " sec/div";
    const double seconds = std::trunc(d);
    if (d < 60)
        return wholeNumber(seconds) + " sec/div";
    if (d < 3600)
        return wholeNumber(std::trunc(seconds / 60)) + " min/div";
    if (d < 86400)
        return wholeNumber(std::trunc(seconds / 3600)) + " hour/div";
    return wholeNumber(std::trunc(seconds / 86400)) + " day/div";
}

std::string timeLabel(double t, bool showHundredths) {
    if (!std::isfinite(t))
        t = 0;
    const double whole = std::trunc(t);
    std::string text = clockText(whole);
    if (showHundredths) {
        text += '.';
        text += twoDigits(static_cast<int>((t - whole) * 100));
    }
    return text;
}

std::string traceCaption(const Trace& trace) {
    if (trace.unit.empty())
        return trace.name;
    return trace.name + "[" + trace.unit + "]";
}

std::string valueText(const Trace& trace, double value) {
    const bool wide = trace.maxValue > 999.9999 || trace.minValue < -999.9999;
    std::string text = formatFixed(value, wide ? 2 : 3);
    if (text.front() != '-')
        text.insert(0, 1, '+');
    return text;
}

std::string valueLabel(const Trace& trace, double value) {
    std::string text = valueText(trace, value);
    if (text.size() < 8)
        text.insert(0, 8 - text.size(), ' ');
    return text;
}
