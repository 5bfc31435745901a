// A formula f(t) over a duration, sampled on the grid and fitted within a tolerance, with
// slopes (linear) or constants only (steps).
#pragma once

#include "model/generator_settings.h"

#include <string>

struct FormulaSettings {
    std::string text = "sin(2*pi*t)";
    double duration = 10.0;   // seconds; T in the formula
    double tolerance = 0.001; // in the range's unit
    bool steps = false;
};

GeneratorResult makeFormula(const FormulaSettings& settings, const GeneratorTarget& target);
