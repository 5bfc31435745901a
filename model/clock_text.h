#pragma once

#include <string>

// Elapsed time as the chart's clock shows it, the same on every platform.

// printf "%02d".
std::string twoDigits(int n);

// "HH:MM:SS" of whole elapsed seconds as a time of day, wrapping at 24 h: the clock breakdown of
// a time after the epoch, taken modulo a day in floating point so that no time can overflow.
std::string clockText(double wholeSeconds);

// The same clock with milliseconds, rounded to the nearest: "00:01:15.250".
std::string timeLabelWithMilliseconds(double t);
