// The supply dip of an engine start, cycle after cycle: a fall to the lowest level, a rise to the
// cranking level held with an optional ripple, and the rise back to the supply. The defaults are
// an example for a 12 V supply, not any standard's figures.
#pragma once

#include "model/generator_settings.h"

struct EngineStartSettings {
    double supply = 12.0; // in the range's unit
    double low = 4.5;
    double crank = 6.5;
    double fall = 0.02; // seconds from the supply to the lowest level; 0 jumps
    double lowTime = 0.05;
    double rise1 = 0.02; // seconds from the lowest to the cranking level
    double crankTime = 2.0;
    double rise2 = 0.1;            // seconds from the cranking level back to the supply
    double pause = 1.0;            // seconds at the supply after each cycle
    double ripple = 0.0;           // amplitude of a sine on the cranking level; 0 for none
    double rippleFrequency = 10.0; // hertz
    int cycles = 1;
};

GeneratorResult makeEngineStart(const EngineStartSettings& settings, const GeneratorTarget& target);
