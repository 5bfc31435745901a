#pragma once

#include "model/signal_element.h"
#include "model/trace_points.h"

#include <vector>

// Closed-form value of a deterministic element at local time t (0 for noise, sums and unknowns).
double valueAt(const SignalElement& element, double t);

// Appends the element's samples from start time t0; returns the last value appended, or 0.
double sampleElement(const SignalElement& element, double t0, double dt, TracePoints& trace);

// Clears the trace and samples the whole list, then appends the closing point at the total time.
void rebuildSamples(const std::vector<SignalElement>& elements, double dt, TracePoints& trace);
