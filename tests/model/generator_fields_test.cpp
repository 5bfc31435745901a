#include "model/generator_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr TextId Field = TextId::GenerateDwell;

} // namespace

// Times round half away from zero to the interval, as the parameter dialog rounds them.
TEST(GeneratorFields, TimesRoundToWholeSamplesOrAreRefused) {
    struct Case {
        int resolutionCode;
        double seconds;
        std::int64_t fewest;
        bool zeroAllowed;
        std::int64_t samples;
        GeneratorProblem problem;
        double limit;
    };
    const auto None = GeneratorProblem::None;
    const Case cases[] = {
        {0, 0.0149, 1, false, 1, None, 0},
        {0, 0.015, 1, false, 2, None, 0},
        {3, 1.2346, 1, false, 1235, None, 0},
        {2, 2.5, 1, false, 3, None, 0},
        {0, 900.0, 1, false, 90000, None, 0},
        {0, 0.0, 2, true, 0, None, 0},
        {0, 0.004, 1, false, 0, GeneratorProblem::ShorterThanSample, 0.01},
        {0, 0.01, 2, true, 1, GeneratorProblem::ShorterThanSample, 0.02},
        {0, -0.01, 1, false, 0, GeneratorProblem::BelowMinimum, 0},
        {0, 900.01, 1, false, 0, GeneratorProblem::AboveMaximum, 900},
        {3, NaN, 1, false, 0, GeneratorProblem::NotANumber, 0},
        {3, 1e300, 1, false, 0, GeneratorProblem::AboveMaximum, 90},
    };
    for (const Case& c : cases) {
        GeneratorResult result;
        GeneratorFields fields({0, c.resolutionCode}, result);
        const std::int64_t samples = fields.samples(c.seconds, Field, c.fewest, c.zeroAllowed);
        EXPECT_EQ(result.refusal.problem, c.problem) << c.seconds;
        if (c.problem == None)
            EXPECT_EQ(samples, c.samples) << c.seconds;
        else
            EXPECT_EQ(result.refusal.limit, c.limit) << c.seconds;
    }
}

TEST(GeneratorFields, LevelsKeepWhatTheSettingsFileKeeps) {
    GeneratorResult result;
    GeneratorFields fields({0, 0}, result);
    EXPECT_EQ(fields.level(1.23456, Field), 1.2346);
    EXPECT_EQ(fields.level(-0.00004, Field), 0.0);
    EXPECT_EQ(fields.level(123.45678, Field), 123.457);
    EXPECT_TRUE(result.ok());
    fields.level(2e12, Field);
    EXPECT_EQ(result.refusal.problem, GeneratorProblem::NotANumber);
}

TEST(GeneratorFields, TheFirstRefusalStays) {
    GeneratorResult result;
    GeneratorFields fields({0, 3}, result);
    fields.frequency(251, TextId::GenerateFromFrequency, false);
    fields.whole(0, TextId::GenerateCycles, 1, 10);
    EXPECT_EQ(result.refusal.problem, GeneratorProblem::FrequencyTooHigh);
    EXPECT_EQ(result.refusal.field, TextId::GenerateFromFrequency);
    EXPECT_EQ(result.refusal.limit, 250);
    EXPECT_FALSE(fields.fits(1));
}

TEST(GeneratorFields, TheTargetNeedsARangeAndAResolution) {
    GeneratorResult result;
    GeneratorFields({-1, 0}, result);
    EXPECT_EQ(result.refusal.problem, GeneratorProblem::NoRange);
    GeneratorFields({0, 4}, result);
    EXPECT_EQ(result.refusal.problem, GeneratorProblem::NoResolution);
}

TEST(GeneratorFields, ResultsFitTheMaximumTimeToTheSample) {
    GeneratorResult result;
    GeneratorFields fields({0, 3}, result);
    EXPECT_TRUE(fields.fits(90000));
    EXPECT_FALSE(fields.fits(90001));
    EXPECT_EQ(result.refusal.problem, GeneratorProblem::TooLong);
    EXPECT_DOUBLE_EQ(result.summary.duration, 90.001);
    EXPECT_EQ(result.summary.maximumTime, 90);
}
