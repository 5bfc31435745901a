#pragma once

#include "model/signal_document.h"
#include "model/texts.h"
#include "model/trace_points.h"

#include <string>
#include <vector>

// The one rule for values outside the output range, shared by the CSV export (which holds them
// at the limits), the chart and the warnings. A NaN is never clipped: the export refuses it.
bool isClipped(double value, double minimum, double maximum);
double clampToLimits(double value, double minimum, double maximum);

// An element whose samples the export would hold at a limit.
struct ClippedElement {
    int element = 0;      // index in the list
    int sampleCount = 0;  // its clipped samples
    double firstTime = 0; // seconds: the earliest of them
    bool operator==(const ClippedElement&) const = default;
};

// The elements with clipped samples, in list order, in one pass over the samples against the
// document's range limits. A sample belongs to the element whose span holds its time; the closing
// point at the total time repeats the last element's last value and so counts for the last element.
std::vector<ClippedElement> clippedElements(const SignalDocument& doc, const TracePoints& samples);

// Status bar text: "範囲外: 要素 3, 5 (1,234 点)" with element numbers from 1 and the total count;
// empty when nothing clips.
std::string clippingStatusText(const std::vector<ClippedElement>& clipped, Language language);

// One line for a command-line check, without the line end:
// "warning: element 3: 12 samples outside the range, the first at 00:01.250".
std::string clippingWarningLine(const ClippedElement& clipped);
