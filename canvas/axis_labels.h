#pragma once

#include "canvas/canvas_state.h"
#include "model/clock_text.h"

#include <string>

// Caption of the time grid, e.g. "5 sec/div", "0.01 sec/div", "2 hour/div".
std::string divisionLabel(double secondsPerDivision);

// Elapsed time as a time of day, wrapping at 24 h: "00:01:15", or "00:00:00.12" with hundredths
// (truncated, not rounded).
std::string timeLabel(double t, bool showHundredths);

// "OUTPUT[V]", or just the name when the trace has no unit.
std::string traceCaption(const Trace& trace);

// A value signed, with three decimals or two when the range exceeds ±999.9999: "+10.000".
std::string valueText(const Trace& trace, double value);

// Label of a value-grid line: " +10.000"; two decimals when the range exceeds ±999.9999.
std::string valueLabel(const Trace& trace, double value);
