#include "model/dips.h"

#include "model/tables.h"
#include "tests/support/element_samples.h"

#include <gtest/gtest.h>

namespace {

// Nominal for the interval, then each level for each duration, each dip `repeats` times and
// followed by the interval at nominal.
double closedForm(const DipsSettings& s, double t) {
    double start = s.interval;
    if (t < start - 1e-9)
        return s.nominal;
    for (const double percent : s.levels) {
        for (const double duration : s.durations) {
            for (int i = 0; i < s.repeats; ++i) {
                if (t < start + duration - 1e-9)
                    return s.nominal * percent / 100;
                start += duration + s.interval;
                if (t < start - 1e-9)
                    return s.nominal;
            }
        }
    }
    return s.nominal;
}

} // namespace

TEST(Dips, ConstantsFollowTheClosedFormSampleBySample) {
    const DipsSettings standard;
    const DipsSettings swell{5, {100, 120, 0}, {0.5, 0.2}, 2, 1};
    const struct {
        DipsSettings settings;
        int resolutionCode;
        std::size_t elements;
    } cases[] = {
        {standard, 0, 55},
        // A dip to 100 % is no dip: it joins the nominal level around it.
        {swell, 3, 17},
    };
    for (const auto& c : cases) {
        const GeneratorResult made = makeDips(c.settings, {0, c.resolutionCode});
        ASSERT_TRUE(made.ok());
        EXPECT_EQ(made.elements.size(), c.elements);
        for (const SignalElement& element : made.elements)
            EXPECT_EQ(element.type, FUNC_CONST);
        const double dt = resolution(c.resolutionCode).sampleInterval;
        expectSamplesFollow(made.elements, dt, made.summary.samples, 0.0,
                            [&](double t) { return closedForm(c.settings, t); });
    }
    EXPECT_DOUBLE_EQ(makeDips(standard, {0, 0}).summary.duration, 289.99);
}

TEST(Dips, RefusesFieldsByName) {
    const struct {
        DipsSettings settings;
        int resolutionCode;
        GeneratorProblem problem;
        TextId field;
    } cases[] = {
        {{}, 1, GeneratorProblem::ShorterThanSample, TextId::GenerateDipDurations},
        {{}, 3, GeneratorProblem::TooLong, TextId::Count_},
        {{10, {}, {1}, 1, 1}, 0, GeneratorProblem::NoValues, TextId::GenerateTestLevels},
        {{10, {0}, {}, 1, 1}, 0, GeneratorProblem::NoValues, TextId::GenerateDipDurations},
        {{10, {0}, {1}, 0, 1}, 0, GeneratorProblem::BelowMinimum, TextId::GenerateRepeats},
        {{10, {0}, {1}, 1, 0}, 0, GeneratorProblem::ShorterThanSample, TextId::GenerateInterval},
        {{10, std::vector<double>(1001, 0.0), {1}, 1, 1},
         0,
         GeneratorProblem::AboveMaximum,
         TextId::GenerateTestLevels},
    };
    for (const auto& c : cases) {
        const GeneratorResult made = makeDips(c.settings, {0, c.resolutionCode});
        EXPECT_EQ(made.refusal.problem, c.problem);
        EXPECT_EQ(made.refusal.field, c.field);
    }
}
