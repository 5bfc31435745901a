#pragma once

#include "model/point_list.h"
#include "model/signal_document.h"
#include "model/texts.h"
#include "model/trace_points.h"

#include <cstddef>
#include <string>
#include <vector>

// A signal to hold the edited one against, as the import reads points: each value held until the
// next point's time (a replay file, a settings file's samples) or joined to it by a straight line.
// Points in time order; two at one time are a jump, the later value holding from then on. Held,
// the last point only marks the end.
struct ReferenceTrace {
    std::vector<SamplePoint> points;
    bool held = false;
};

// A replay file's times are rounded to its resolution and a sum of durations picks up binary
// fractions: points this close count as at the same time.
inline constexpr double SameTimeSlack = 1e-6;

// The document's samples as the export writes them, held at the range's limits, with the point
// that closes the signal last.
ReferenceTrace exportedTrace(const SignalDocument& doc, const TracePoints& samples);

// Points read from a file: held for a replay file, straight lines for any other.
ReferenceTrace referenceOfPoints(const PointList& points);

// The reference's value at t, from the point at or just before it; t within its time.
double referenceValueAt(const ReferenceTrace& reference, double t);

// The largest difference of a signal from a reference, compared at the signal's samples (every
// point; of a held signal all but the last) in the time the reference covers, from its first
// point to its last.
struct TraceDifference {
    std::size_t compared = 0; // samples in the time both cover; the rest means something above 0
    double largest = 0;       // |signal - reference|, in the range's unit
    double time = 0;          // the sample where it first occurs
    double firstTime = 0;     // the first and last sample compared
    double lastTime = 0;
};

// One pass over both, so a reference of millions of points costs its length once.
TraceDifference largestDifference(const ReferenceTrace& signal, const ReferenceTrace& reference);

// "参照との最大差 0.0123 V (00:01:02.345)", or that the two share no time.
std::string referenceStatusText(const TraceDifference& difference, int rangeCode,
                                Language language);
