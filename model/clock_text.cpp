#include "model/clock_text.h"

#include <algorithm>
#include <cmath>

std::string twoDigits(int n) {
    std::string text = std::to_string(n);
    if (text.size() < 2)
        text.insert(0, 2 - text.size(), '0');
    return text;
}

std::string clockText(double wholeSeconds) {
    double ofDay = wholeSeconds - 86400 * std::floor(wholeSeconds / 86400);
    if (!(ofDay >= 0 && ofDay < 86400))
        ofDay = 0;
    const int s = static_cast<int>(ofDay);
    return twoDigits(s / 3600) + ":" + twoDigits(s / 60 % 60) + ":" + twoDigits(s % 60);
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
