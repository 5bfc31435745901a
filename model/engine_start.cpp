#include "model/engine_start.h"

#include "model/generator_fields.h"
#include "model/grid_elements.h"
#include "model/param_fields.h"

namespace {

// The cranking level for `samples` samples, with the ripple as one sine element: its period is
// a time of the parameter dialog, rounded to the sample interval.
SignalElement crankElement(double crank, double ripple, double frequency, std::int64_t samples,
                           const Resolution& res) {
    SignalElement element;
    element.type = FUNC_SIN;
    element.paramCount = paramCountOf(FUNC_SIN);
    element.params[0] = crank;
    element.params[1] = ripple;
    element.params[2] =
        normalizeFieldValue(1.0 / frequency, {res.sampleInterval, 1e9, res.timeDecimals});
    element.params[4] = gridDuration(samples, res);
    element.duration = elementDuration(element);
    return element;
}

} // namespace

GeneratorResult makeEngineStart(const EngineStartSettings& settings,
                                const GeneratorTarget& target) {
    GeneratorResult result;
    GeneratorFields fields(target, result);
    const double supply = fields.level(settings.supply, TextId::GenerateSupply);
    const double low = fields.level(settings.low, TextId::GenerateLowLevel);
    const double crank = fields.level(settings.crank, TextId::GenerateCrankLevel);
    const std::int64_t fall = fields.samples(settings.fall, TextId::GenerateFall, 2, true);
    const std::int64_t lowTime = fields.samples(settings.lowTime, TextId::GenerateLowTime, 1, true);
    const std::int64_t rise1 = fields.samples(settings.rise1, TextId::GenerateRise1, 2, true);
    const std::int64_t crankTime =
        fields.samples(settings.crankTime, TextId::GenerateCrankTime, 1, true);
    const std::int64_t rise2 = fields.samples(settings.rise2, TextId::GenerateRise2, 2, true);
    const std::int64_t pause = fields.samples(settings.pause, TextId::GeneratePause, 1);
    const double ripple = fields.level(settings.ripple, TextId::GenerateRipple);
    const bool rippled = ripple != 0.0 && crankTime > 0;
    if (rippled)
        fields.frequency(settings.rippleFrequency, TextId::GenerateRippleFrequency, false);
    const int cycles = fields.whole(settings.cycles, TextId::GenerateCycles, 1, GeneratorMaxCycles);
    const auto cycle = static_cast<double>(fall + lowTime + rise1 + crankTime + rise2 + pause);
    if (!fields.fits(cycle * cycles))
        return result;
    const Resolution& res = fields.resolution();
    GridRun run(res, static_cast<std::size_t>(6) * static_cast<std::size_t>(cycles));
    for (int i = 0; i < cycles; ++i) {
        run.ramp(supply, low, fall);
        run.hold(low, lowTime);
        run.ramp(low, crank, rise1);
        if (rippled)
            run.add(crankElement(crank, ripple, settings.rippleFrequency, crankTime, res));
        else
            run.hold(crank, crankTime);
        run.ramp(crank, supply, rise2);
        run.hold(supply, pause);
    }
    finishExact(run.take(), fields, result);
    return result;
}
