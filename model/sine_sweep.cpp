#include "model/sine_sweep.h"

#include "model/generator_fields.h"

#include <cmath>
#include <numbers>
#include <vector>

double sineSweepValue(const SineSweepSettings& s, double duration, double t) {
    const double f1 = s.fromFrequency;
    const double f2 = s.toFrequency;
    double cycles = 0.0;
    if (!s.logarithmic)
        cycles = f1 * t + (f2 - f1) * t * t / (2.0 * duration);
    else if (f1 == f2)
        cycles = f1 * t;
    else
        cycles = f1 * duration / std::log(f2 / f1) * (std::pow(f2 / f1, t / duration) - 1.0);
    return s.offset + s.amplitude * std::sin(2.0 * std::numbers::pi * cycles);
}

GeneratorResult makeSineSweep(const SineSweepSettings& settings, const GeneratorTarget& target) {
    GeneratorResult result;
    GeneratorFields fields(target, result);
    SineSweepSettings s = settings;
    s.fromFrequency =
        fields.frequency(settings.fromFrequency, TextId::GenerateFromFrequency, !s.logarithmic);
    s.toFrequency =
        fields.frequency(settings.toFrequency, TextId::GenerateToFrequency, !s.logarithmic);
    const std::int64_t samples = fields.samples(settings.duration, TextId::GenerateDuration, 2);
    s.amplitude = fields.level(settings.amplitude, TextId::GenerateAmplitude);
    s.offset = fields.level(settings.offset, TextId::GenerateOffset);
    s.tolerance = fields.tolerance(settings.tolerance, TextId::GenerateTolerance);
    if (!fields.fits(static_cast<double>(samples)))
        return result;
    const double interval = fields.resolution().sampleInterval;
    const double duration = static_cast<double>(samples) * interval;
    std::vector<double> values(static_cast<std::size_t>(samples));
    for (std::int64_t k = 0; k < samples; ++k)
        values[static_cast<std::size_t>(k)] =
            sineSweepValue(s, duration, static_cast<double>(k) * interval);
    fitSamples(std::move(values), s.tolerance, false, fields, result);
    return result;
}
