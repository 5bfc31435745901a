// Constants and slopes on the sample grid, with parameters as the settings file keeps them: what
// the import and the generators make.
#pragma once

#include "model/signal_element.h"
#include "model/tables.h"

#include <cstdint>

// The value a parameter of `decimals` decimals holds once the settings file has read it back: it
// keeps 6 significant digits.
double storedValue(double value, int decimals = 4);

// Seconds of that many sample intervals, written with the resolution's time decimals.
double gridDuration(std::int64_t samples, const Resolution& res);

// A FUNC_CONST (first == last) or a FUNC_SLOPE from first to last lasting `samples` sample
// intervals, its duration written with the resolution's time decimals.
SignalElement gridElement(double first, double last, std::int64_t samples, const Resolution& res);
