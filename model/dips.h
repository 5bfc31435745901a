// Dips and short interruptions of a nominal level: every test level for every duration, each
// dip repeated and followed by a time at the nominal level, as FUNC_CONST elements exactly.
#pragma once

#include "model/generator_settings.h"

#include <vector>

struct DipsSettings {
    double nominal = 10.0;                         // in the range's unit
    std::vector<double> levels{0.0, 40.0, 70.0};   // percent of the nominal level
    std::vector<double> durations{0.01, 0.1, 1.0}; // seconds
    int repeats = 3;
    double interval = 10.0; // seconds at the nominal level after each dip, and before the first
};

// No test runs through more levels or durations than this.
inline constexpr std::size_t DipsMaxListLength = 1000;

GeneratorResult makeDips(const DipsSettings& settings, const GeneratorTarget& target);
