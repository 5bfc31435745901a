#include "model/sine_sweep.h"

#include "model/tables.h"
#include "tests/support/element_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// The sweep as its description writes the phase.
double closedForm(const SineSweepSettings& s, double t) {
    const double f1 = s.fromFrequency, f2 = s.toFrequency, T = s.duration;
    const double phase =
        s.logarithmic
            ? 2 * std::numbers::pi * f1 * T / std::log(f2 / f1) * (std::pow(f2 / f1, t / T) - 1)
            : 2 * std::numbers::pi * (f1 * t + (f2 - f1) * t * t / (2 * T));
    return s.offset + s.amplitude * std::sin(phase);
}

} // namespace

TEST(SineSweep, SlopesFollowTheClosedFormWithinTheTolerance) {
    const struct {
        SineSweepSettings settings;
        int rangeCode, resolutionCode;
    } cases[] = {
        {{1, 20, 10, 5, 1, false, 0.001}, 0, 3},   {{20, 1, 10, 5, 1, false, 0.01}, 0, 3},
        {{1, 100, 30, 2, 0, true, 0.001}, 0, 3},   {{0.1, 2, 60, 8, 10, true, 0.02}, 2, 0},
        {{0, 0.2, 3600, 50, 0, false, 0.1}, 1, 2},
    };
    for (const auto& c : cases) {
        const GeneratorResult made = makeSineSweep(c.settings, {c.rangeCode, c.resolutionCode});
        ASSERT_TRUE(made.ok());
        EXPECT_TRUE(made.fitted);
        const double dt = resolution(c.resolutionCode).sampleInterval;
        const auto samples = std::llround(c.settings.duration / dt);
        EXPECT_EQ(made.summary.samples, samples);
        EXPECT_LE(made.summary.largestDeviation,
                  c.settings.tolerance +
                      parameterRounding(c.settings.offset + c.settings.amplitude));
        expectSamplesFollow(made.elements, dt, samples, c.settings.tolerance,
                            [&](double t) { return closedForm(c.settings, t); });
        for (const SignalElement& element : made.elements)
            EXPECT_TRUE(element.type == FUNC_SLOPE || element.type == FUNC_CONST);
    }
}

TEST(SineSweep, ClippedSamplesAreCounted) {
    const GeneratorResult made = makeSineSweep({1, 1, 1, 12, 0, false, 0.001}, {0, 3});
    ASSERT_TRUE(made.ok());
    EXPECT_GT(made.summary.clippedSamples, 0);
    EXPECT_LT(made.summary.clippedSamples, 500);
}

// A quarter of the sample rate: 250 Hz at 1 ms, 25 Hz at 10 ms.
TEST(SineSweep, RefusesFrequenciesAboveAQuarterOfTheSampleRate) {
    const struct {
        double from, to;
        bool logarithmic;
        int resolutionCode;
        GeneratorProblem problem;
        TextId field;
        double limit;
    } cases[] = {
        {1, 250, false, 3, GeneratorProblem::None, TextId::Count_, 0},
        {1, 250.5, false, 3, GeneratorProblem::FrequencyTooHigh, TextId::GenerateToFrequency, 250},
        {26, 1, false, 0, GeneratorProblem::FrequencyTooHigh, TextId::GenerateFromFrequency, 25},
        {0, 10, false, 0, GeneratorProblem::None, TextId::Count_, 0},
        {0, 10, true, 0, GeneratorProblem::NotPositive, TextId::GenerateFromFrequency, 0},
        {-1, 10, false, 0, GeneratorProblem::NotPositive, TextId::GenerateFromFrequency, 0},
        {5, 5, true, 0, GeneratorProblem::None, TextId::Count_, 0},
    };
    for (const auto& c : cases) {
        const GeneratorResult made =
            makeSineSweep({c.from, c.to, 1, 1, 0, c.logarithmic, 0.01}, {0, c.resolutionCode});
        EXPECT_EQ(made.refusal.problem, c.problem) << c.from << " " << c.to;
        EXPECT_EQ(made.refusal.field, c.field);
        EXPECT_EQ(made.refusal.limit, c.limit);
    }
    EXPECT_EQ(makeSineSweep({1, 2, 91, 1, 0, false, 0}, {0, 3}).refusal.problem,
              GeneratorProblem::AboveMaximum);
    EXPECT_EQ(makeSineSweep({1, 2, 1, 1, 0, false, -1}, {0, 3}).refusal.field,
              TextId::GenerateTolerance);
}
