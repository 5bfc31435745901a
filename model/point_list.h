// Points read from a recording, a spreadsheet, a PWL file or a replay file, before they become
// elements.
#pragma once

#include <cstdint>
#include <vector>

struct PointList {
    std::vector<double> times; // seconds from the first row, never decreasing
    std::vector<double> values;
    std::vector<std::int32_t> lines; // where each point stood in its text, from 1

    // Values read without times, one per timeStep seconds: in steps each holds for one step,
    // the last one too. 0 when the rows carry their own times.
    double timeStep = 0.0;

    // A replay file this program exports: each row holds until the next and the last row is the
    // end. Its range from the header (-1 when the label is unknown) and the fraction digits of
    // its times (3 for milliseconds, 2 for hundredths); 0 digits for any other text.
    int replayRangeCode = -1;
    int replayTimeDigits = 0;

    bool isReplay() const { return replayTimeDigits != 0; }
};
