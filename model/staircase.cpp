#include "model/staircase.h"

#include "model/generator_fields.h"

#include <vector>

namespace {

// One cycle's levels, as the settings file keeps them.
std::vector<double> levelsOf(double from, double to, int steps, bool upAndDown,
                             GeneratorFields& fields) {
    std::vector<double> levels;
    const double last = steps - 1;
    for (int i = 0; i < steps; ++i)
        levels.push_back(fields.level(from + (to - from) * i / last, TextId::GenerateSteps));
    if (upAndDown)
        levels.insert(levels.end(), levels.rbegin() + 1, levels.rend());
    return levels;
}

} // namespace

GeneratorResult makeStaircase(const StaircaseSettings& settings, const GeneratorTarget& target) {
    GeneratorResult result;
    GeneratorFields fields(target, result);
    const double from = fields.level(settings.from, TextId::GenerateFrom);
    const double to = fields.level(settings.to, TextId::GenerateTo);
    const int steps = fields.whole(settings.steps, TextId::GenerateSteps, 2, StaircaseMaxSteps);
    const std::int64_t dwell = fields.samples(settings.dwell, TextId::GenerateDwell, 1);
    const std::int64_t ramp = fields.samples(settings.ramp, TextId::GenerateRamp, 2, true);
    const int cycles = fields.whole(settings.cycles, TextId::GenerateCycles, 1, GeneratorMaxCycles);
    // The levels' holds alone refuse a count far past the maximum time before the levels are
    // worked out one by one.
    const double levelCount = (settings.upAndDown ? 2.0 * steps - 1 : steps) * cycles;
    if (!fields.fits(levelCount * static_cast<double>(dwell)))
        return result;
    const std::vector<double> levels = levelsOf(from, to, steps, settings.upAndDown, fields);
    // A ramp leads from each level to the next one that differs, across cycles too.
    double ramps = 0;
    for (std::size_t i = 1; i < levels.size(); ++i)
        ramps += levels[i] != levels[i - 1] ? cycles : 0;
    if (levels.back() != levels.front())
        ramps += cycles - 1;
    if (!fields.fits(levelCount * static_cast<double>(dwell) + ramps * static_cast<double>(ramp)))
        return result;
    GridRun run(fields.resolution(), static_cast<std::size_t>(levelCount + ramps));
    bool first = true;
    double previous = 0.0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (const double level : levels) {
            if (!first && level != previous)
                run.ramp(previous, level, ramp);
            run.hold(level, dwell);
            previous = level;
            first = false;
        }
    }
    finishExact(run.take(), fields, result);
    return result;
}
