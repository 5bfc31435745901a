#include "canvas/axis_labels.h"

#include "model/number_text.h"

#include <cmath>

namespace {

// printf "%02d".
std::string twoDigits(int n) {
    std::string text = std::to_string(n);
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), '0');
    return text;
}

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
    // The time of day of the elapsed seconds, as the clock breakdown of a time after the epoch;
    // taken modulo a day in floating point so that no elapsed time can overflow.
    double ofDay = whole - 86400 * std::floor(whole / 86400);
    if (!(ofDay >= 0 && ofDay < 86400))
        ofDay = 0;
    const int s = static_cast<int>(ofDay);
    std::string text = twoDigits(s / 3600) + ":" + twoDigits(s / 60 % 60) + ":" + twoDigits(s % 60);
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

std::string valueLabel(const Trace& trace, double value) {
    const bool wide = trace.maxValue > 999.9999 || trace.minValue < -999.9999;
    std::string text = formatFixed(value, wide ? 2 : 3);
    if (text.front() != '-')
        text.insert(0, 1, '+');
    if (text.size() < 8)
        text.insert(0, 8 - text.size(), ' ');
    return text;
}
