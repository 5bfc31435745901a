#include "model/engine_start.h"

#include "model/tables.h"
#include "tests/support/element_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// One cycle as its description reads, repeated; the ripple's period as the sine element keeps it.
double closedForm(const EngineStartSettings& s, double period, double t) {
    const double cycle = s.fall + s.lowTime + s.rise1 + s.crankTime + s.rise2 + s.pause;
    const double u = t - cycle * std::floor(t / cycle + 1e-9);
    // Where each part ends within the cycle; a sample on the end belongs to the next part.
    const double lowStart = s.fall, riseStart = lowStart + s.lowTime,
                 crankStart = riseStart + s.rise1, backStart = crankStart + s.crankTime,
                 pauseStart = backStart + s.rise2;
    const auto before = [&](double end) { return u < end - 1e-9; };
    if (before(lowStart))
        return s.supply + (s.low - s.supply) * u / s.fall;
    if (before(riseStart))
        return s.low;
    if (before(crankStart))
        return s.low + (s.crank - s.low) * (u - riseStart) / s.rise1;
    if (before(backStart))
        return s.ripple == 0 ? s.crank
                             : s.crank + s.ripple * std::sin(2 * std::numbers::pi *
                                                             (u - crankStart) / period);
    if (before(pauseStart))
        return s.crank + (s.supply - s.crank) * (u - backStart) / s.rise2;
    return s.supply;
}

} // namespace

TEST(EngineStart, ElementsFollowTheClosedFormSampleBySample) {
    EngineStartSettings rippled;
    rippled.ripple = 1.0;
    rippled.rippleFrequency = 12.5;
    rippled.cycles = 3;
    EngineStartSettings jumps;
    jumps.fall = 0;
    jumps.rise1 = 0;
    jumps.rise2 = 0;
    jumps.cycles = 2;
    const struct {
        EngineStartSettings settings;
        int resolutionCode;
        std::size_t elements;
        double period;
    } cases[] = {
        {EngineStartSettings{}, 3, 6, 0},
        {rippled, 3, 18, 0.08},
        {rippled, 0, 18, 0.08},
        {jumps, 0, 6, 0},
    };
    for (const auto& c : cases) {
        const GeneratorResult made = makeEngineStart(c.settings, {4, c.resolutionCode});
        ASSERT_TRUE(made.ok());
        EXPECT_EQ(made.elements.size(), c.elements);
        const double dt = resolution(c.resolutionCode).sampleInterval;
        expectSamplesFollow(made.elements, dt, made.summary.samples, 1e-9,
                            [&](double t) { return closedForm(c.settings, c.period, t); });
    }
}

TEST(EngineStart, RefusesFieldsByName) {
    const auto refused = [](auto change) {
        EngineStartSettings settings;
        change(settings);
        return makeEngineStart(settings, {4, 3}).refusal;
    };
    EXPECT_EQ(refused([](auto& s) { s.fall = 0.001; }).field, TextId::GenerateFall);
    EXPECT_EQ(refused([](auto& s) { s.pause = 0; }).field, TextId::GeneratePause);
    EXPECT_EQ(refused([](auto& s) { s.crank = INFINITY; }).field, TextId::GenerateCrankLevel);
    const GeneratorRefusal ripple = refused([](auto& s) {
        s.ripple = 1;
        s.rippleFrequency = 300;
    });
    EXPECT_EQ(ripple.field, TextId::GenerateRippleFrequency);
    EXPECT_EQ(ripple.problem, GeneratorProblem::FrequencyTooHigh);
    EXPECT_EQ(refused([](auto& s) { s.cycles = 100; }).problem, GeneratorProblem::TooLong);
}
