#pragma once

#include "model/signal_element.h"
#include "model/trace_points.h"

#include <cstdint>
#include <vector>

// Closed-form value of a deterministic element at local time t (0 for noise, sums and unknowns).
double valueAt(const SignalElement& element, double t);

// Appends the element's samples from start time t0; returns the last value appended, or 0.
double sampleElement(const SignalElement& element, double t0, double dt, TracePoints& trace);

// Clears the trace and samples the whole list, then appends the closing point at the total time.
void rebuildSamples(const std::vector<SignalElement>& elements, double dt, TracePoints& trace);

// Where each element's samples begin in the store, its start time and its last value, as the last
// rebuild made them.
struct SampleMarks {
    std::vector<int> firstPoint;
    std::vector<double> startTime;
    std::vector<double> lastValue;
};

// What rebuildSamples makes, re-sampling only from element `from` on: the elements before it must
// be those the marks were made for. An element's samples depend only on the element, its start
// time and the interval, so the result is the same to the bit. Falls back to a whole rebuild when
// the store has dropped points or the marks do not reach that far.
void rebuildSamplesFrom(const std::vector<SignalElement>& elements, double dt, TracePoints& trace,
                        SampleMarks& marks, std::size_t from);

// Counting samples without making them lets a reader refuse a hand-edited list that would take
// billions of steps to synthesize. Counts above this limit are not made one by one and come back
// as CountedSamplesLimit + 1.
inline constexpr std::int64_t CountedSamplesLimit = 10'000'000;

// Number of samples sampleElement appends for the element at this interval.
std::int64_t sampleCountOf(const SignalElement& element, double dt);

// Number of points rebuildSamples makes of the list before the store drops any: every element's
// samples and the closing point.
std::int64_t listSampleCount(const std::vector<SignalElement>& elements, double dt);
