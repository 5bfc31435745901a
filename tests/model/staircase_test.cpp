#include "model/staircase.h"

#include "model/tables.h"
#include "tests/support/element_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// The staircase's value at t as its description reads: levels evenly from `from` to `to`, each
// held `dwell` seconds, a straight ramp of `ramp` seconds into each level that differs from the
// one before it.
double closedForm(const StaircaseSettings& s, double t) {
    std::vector<double> pattern;
    for (int i = 0; i < s.steps; ++i)
        pattern.push_back(s.from + (s.to - s.from) * i / (s.steps - 1));
    if (s.upAndDown)
        pattern.insert(pattern.end(), pattern.rbegin() + 1, pattern.rend());
    double start = 0.0;
    double previous = pattern.front();
    for (int cycle = 0; cycle < s.cycles; ++cycle) {
        for (const double level : pattern) {
            if (level != previous) {
                if (t < start + s.ramp - 1e-9)
                    return previous + (level - previous) * (t - start) / s.ramp;
                start += s.ramp;
            }
            if (t < start + s.dwell - 1e-9)
                return level;
            start += s.dwell;
            previous = level;
        }
    }
    return previous;
}

} // namespace

TEST(Staircase, ALoopCheckFrom4To20mAUpAndDown) {
    const StaircaseSettings loop{4, 20, 5, 10.0, 0.0, true, 1};
    const GeneratorResult made = makeStaircase(loop, {2, 0});
    ASSERT_TRUE(made.ok());
    std::vector<double> levels;
    for (const SignalElement& element : made.elements) {
        EXPECT_EQ(element.type, FUNC_CONST);
        levels.push_back(element.params[0]);
    }
    EXPECT_EQ(levels, (std::vector<double>{4, 8, 12, 16, 20, 16, 12, 8, 4}));
    EXPECT_EQ(made.summary.duration, 90.0);
    EXPECT_EQ(made.summary.samples, 9000);
    EXPECT_EQ(made.summary.clippedSamples, 0);
    EXPECT_FALSE(made.fitted);
}

TEST(Staircase, ElementsFollowTheClosedFormSampleBySample) {
    const struct {
        StaircaseSettings settings;
        int resolutionCode;
    } cases[] = {
        {{-5, 5, 4, 0.5, 0.0, false, 2}, 3},         {{-5, 5, 4, 0.5, 0.25, false, 2}, 3},
        {{0, 10, 3, 1.0, 0.3, true, 3}, 0},          {{1, 2, 7, 4.0, 2.0, true, 2}, 2},
        {{9.99, -9.99, 6, 0.05, 0.02, false, 1}, 0},
    };
    for (const auto& c : cases) {
        const GeneratorResult made = makeStaircase(c.settings, {0, c.resolutionCode});
        ASSERT_TRUE(made.ok());
        const double dt = resolution(c.resolutionCode).sampleInterval;
        expectSamplesFollow(made.elements, dt, made.summary.samples, 0.0,
                            [&](double t) { return closedForm(c.settings, t); });
    }
}

// Equal neighbours are one element, within a cycle and across cycles.
TEST(Staircase, CountsOfElementsMergeEqualNeighbours) {
    const struct {
        double from, to;
        int steps;
        double ramp;
        bool upAndDown;
        int cycles;
        std::size_t elements;
    } cases[] = {
        {0, 4, 5, 0.0, true, 1, 9},   {0, 4, 5, 0.0, true, 3, 25},
        {0, 4, 5, 0.0, false, 3, 15}, {0, 4, 5, 0.1, false, 3, 29},
        {0, 4, 5, 0.1, true, 3, 49},  {0, 4, 2, 0.0, true, 2, 5},
        {5, 5, 4, 0.1, true, 2, 1},   {0, 0.0001, 5, 0.0, false, 1, 2},
    };
    for (const auto& c : cases) {
        const StaircaseSettings settings{c.from, c.to, c.steps, 1.0, c.ramp, c.upAndDown, c.cycles};
        const GeneratorResult made = makeStaircase(settings, {0, 0});
        ASSERT_TRUE(made.ok());
        EXPECT_EQ(made.elements.size(), c.elements)
            << c.steps << (c.upAndDown ? " up and down, " : ", ") << c.cycles << " cycles";
        EXPECT_EQ(made.summary.elementsMade, c.elements);
    }
}

TEST(Staircase, RefusesFieldsByName) {
    const struct {
        StaircaseSettings settings;
        GeneratorProblem problem;
        TextId field;
    } cases[] = {
        {{0, 1, 1, 1.0, 0.0, false, 1}, GeneratorProblem::BelowMinimum, TextId::GenerateSteps},
        {{0, 1, 2, 0.0, 0.0, false, 1}, GeneratorProblem::ShorterThanSample, TextId::GenerateDwell},
        {{0, 1, 2, 1.0, 0.01, false, 1}, GeneratorProblem::ShorterThanSample, TextId::GenerateRamp},
        {{0, 1, 2, 1.0, 0.0, false, 0}, GeneratorProblem::BelowMinimum, TextId::GenerateCycles},
        {{NAN, 1, 2, 1.0, 0.0, false, 1}, GeneratorProblem::NotANumber, TextId::GenerateFrom},
        {{0, 1, 10, 100.0, 0.0, false, 1}, GeneratorProblem::TooLong, TextId::Count_},
        {{0, 1, StaircaseMaxSteps, 1.0, 0.0, false, GeneratorMaxCycles},
         GeneratorProblem::TooLong,
         TextId::Count_},
    };
    for (const auto& c : cases) {
        const GeneratorResult made = makeStaircase(c.settings, {0, 0});
        EXPECT_EQ(made.refusal.problem, c.problem);
        EXPECT_EQ(made.refusal.field, c.field);
        EXPECT_TRUE(made.elements.empty());
    }
    // The refusal names both times.
    const GeneratorResult tooLong = makeStaircase({0, 1, 10, 100.0, 0.0, false, 1}, {0, 0});
    EXPECT_EQ(tooLong.summary.duration, 1000.0);
    EXPECT_EQ(tooLong.summary.maximumTime, 900.0);
}
