#include "model/staircase.h"

#include "model/generator_fields.h"

#include <vector>

namespace {

std::vector<double> levelsOf(const StaircaseSettings& settings, GeneratorFields& fields) {
    const double from = fields.level(settings.from, TextId::GenerateFrom);
    const double to = fields.level(settings.to, TextId::GenerateTo);
    const int steps = fields.whole(settings.steps, TextId::GenerateSteps, 2, StaircaseMaxSteps);
    std::vector<double> levels;
    if (!fields.ok())
        return levels;
    const double last = steps - 1;
    for (int i = 0; i < steps; ++i)
        levels.push_back(fields.level(from + (to - from) * i / last, TextId::GenerateSteps));
    if (settings.upAndDown)
        levels.insert(levels.end(), levels.rbegin() + 1, levels.rend());
    return levels;
}

} // namespace

GeneratorResult makeStaircase(const StaircaseSettings& settings, const GeneratorTarget& target) {
    GeneratorResult result;
    GeneratorFields fields(target, result);
    const std::vector<double> levels = levelsOf(settings, fields);
    const std::int64_t dwell = fields.samples(settings.dwell, TextId::GenerateDwell, 1);
    const std::int64_t ramp = fields.samples(settings.ramp, TextId::GenerateRamp, 2, true);
    const int cycles = fields.whole(settings.cycles, TextId::GenerateCycles, 1, GeneratorMaxCycles);
    // A ramp leads from each level to the next one that differs, across cycles too.
    double ramps = 0;
    for (std::size_t i = 1; i < levels.size(); ++i)
        ramps += levels[i] != levels[i - 1] ? cycles : 0;
    if (!levels.empty() && levels.back() != levels.front())
        ramps += cycles - 1;
    const double levelCount = static_cast<double>(levels.size()) * cycles;
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
