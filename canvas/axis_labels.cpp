#include "canvas/axis_labels.h"

#include "model/number_text.h"

#include <algorithm>
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

// "HH:MM:SS" of whole elapsed seconds as a time of day, wrapping at 24 h: the clock breakdown of
// a time after the epoch, taken modulo a day in floating point so that no time can overflow.
std::string clockText(double whole) {
    double ofDay = whole - 86400 * std::floor(whole / 86400);
    if (!(ofDay >= 0 && ofDay < 86400))
        ofDay = 0;
    const int s = static_cast<int>(ofDay);
    return twoDigits(s / 3600) + ":" + twoDigits(s / 60 % 60) + ":" + twoDigits(s % 60);
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

std::string timeLabelWithMilliseconds(double t) {
    // Rounded to the millisecond first, so 0.3 s reads .300, not .299.
    double milliseconds = std::round(t * 1000);
    if (!std::isfinite(milliseconds))
        milliseconds = 0;
    const double whole = std::floor(milliseconds / 1000);
    // Clamped: far from zero the two products no longer differ by a whole millisecond count.
    const int fraction = static_cast<int>(std::clamp(milliseconds - whole * 1000, 0.0, 999.0));
    const std::string digits = std::to_string(1000 + fraction);
    return clockText(whole) + "." + digits.substr(1);
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
