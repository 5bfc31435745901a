// Levels evenly from one value to another, each held for a dwell time: a loop check or a
// calibration run as FUNC_CONST elements, with FUNC_SLOPE ramps between them where asked.
#pragma once

#include "model/generator_settings.h"

struct StaircaseSettings {
    double from = 4.0; // in the range's unit
    double to = 20.0;
    int steps = 5;          // levels from `from` to `to` inclusive, 2 or more
    double dwell = 10.0;    // seconds each level holds
    double ramp = 0.0;      // seconds between two levels; 0 jumps
    bool upAndDown = false; // from .. to .. from: 2 steps - 1 levels
    int cycles = 1;
};

inline constexpr int StaircaseMaxSteps = 1'000'000;

GeneratorResult makeStaircase(const StaircaseSettings& settings, const GeneratorTarget& target);
