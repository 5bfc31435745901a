// A sine whose frequency moves from one value to another over a duration, with a continuous phase
// starting at 0, sampled on the grid and fitted into slopes within a tolerance.
#pragma once

#include "model/generator_settings.h"

struct SineSweepSettings {
    double fromFrequency = 1.0; // hertz
    double toFrequency = 10.0;
    double duration = 10.0; // seconds
    double amplitude = 1.0; // in the range's unit
    double offset = 0.0;
    bool logarithmic = false;
    double tolerance = 0.001; // in the range's unit
};

GeneratorResult makeSineSweep(const SineSweepSettings& settings, const GeneratorTarget& target);

// The sweep's value at t seconds of a sweep lasting `duration`: offset + amplitude * sin(phase),
// the phase growing linearly or logarithmically in frequency.
double sineSweepValue(const SineSweepSettings& settings, double duration, double t);
