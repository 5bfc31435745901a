#pragma once

#include "model/texts.h"

#include <array>
#include <string_view>

// Output ranges of the instrument's analog output, indexed by code (the OUTRANGE value).
struct OutputRange {
    TextId name; // in the drop-down list
    double minimum;
    double maximum;
    std::string_view unitText;    // "V": the chart's unit
    std::string_view unitLabel;   // "[V]": appended to dialog labels
    std::string_view exportLabel; // written after "AI1," in the CSV (UTF-8; the writer converts)
};

// Sample interval and time budget, indexed by code (the RESOLUTION value).
struct Resolution {
    TextId name; // in the drop-down list: interval and budget
    double sampleInterval;
    double maximumTotalTime;
    int timeDecimals;
};

// How much time the chart shows at once, indexed by list position.
struct DisplayPeriod {
    TextId name; // in the drop-down list
    double span;
    double gridStep;
    bool hundredths;
};

inline constexpr int RangeCount = 5;
inline constexpr int ResolutionCount = 4;
inline constexpr int DisplayPeriodCount = 13;
inline constexpr int InitialDisplayPeriod = 4; // 30 s

// Code -1 (nothing chosen yet) and unknown codes fall back to code 0's entry.
const OutputRange& outputRange(int rangeCode);
// Unknown codes get the 90 s budget and 1 ms interval of code 3, as the time budget rule says.
const Resolution& resolution(int resolutionCode);
// Positions outside the list fall back to the initial 30 s entry.
const DisplayPeriod& displayPeriod(int position);

// Drop-down list order differs from code order for ranges and resolutions.
inline constexpr std::array<int, RangeCount> RangeCodeAtPosition{4, 0, 1, 2, 3};
inline constexpr std::array<int, ResolutionCount> ResolutionCodeAtPosition{3, 0, 1, 2};

// Code of a list position; a position outside the list is taken as position 0.
int rangeCodeAtPosition(int position);
int resolutionCodeAtPosition(int position);
// List position showing a code; a code outside the table is taken as code 0.
int positionOfRangeCode(int rangeCode);
int positionOfResolutionCode(int resolutionCode);
