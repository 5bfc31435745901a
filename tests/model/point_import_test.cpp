#include "model/point_import.h"

#include "model/synthesis.h"
#include "model/tables.h"
#include "tests/support/element_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

PointList pointsOf(std::vector<double> times, std::vector<double> values) {
    PointList points;
    points.times = std::move(times);
    points.values = std::move(values);
    for (std::size_t i = 0; i < points.times.size(); ++i)
        points.lines.push_back(static_cast<std::int32_t>(i + 1));
    return points;
}

ImportSettings settingsFor(int resolutionCode, ImportShape shape = ImportShape::Linear) {
    ImportSettings settings;
    settings.rangeCode = 0;
    settings.resolutionCode = resolutionCode;
    settings.shape = shape;
    return settings;
}

// The point list as a line through its points, at time t.
double lineAt(const PointList& points, double t) {
    std::size_t at = 0;
    while (at + 1 < points.times.size() && points.times[at + 1] <= t)
        ++at;
    if (at + 1 == points.times.size())
        return points.values[at];
    const double share = (t - points.times[at]) / (points.times[at + 1] - points.times[at]);
    return points.values[at] + (points.values[at + 1] - points.values[at]) * share;
}

} // namespace

TEST(PointImport, AStraightLineOfPointsIsOneSlope) {
    const PointList points = pointsOf({0, 0.5, 1, 1.5, 2}, {0, 5, 10, 15, 20});
    const ImportResult made = importPoints(points, settingsFor(0));
    ASSERT_TRUE(made.ok());
    ASSERT_EQ(made.elements.size(), 1u);
    EXPECT_EQ(made.elements[0].type, FUNC_SLOPE);
    EXPECT_EQ(made.elements[0].params[0], 0.0);
    // The last point's 20 V plays for one sample interval after 1.99 s.
    EXPECT_EQ(made.elements[0].params[2], 2.01);
    EXPECT_EQ(made.summary.pointsRead, 5u);
    EXPECT_EQ(made.summary.elementsMade, 1u);
    EXPECT_EQ(made.summary.samples, 201);
    EXPECT_DOUBLE_EQ(made.summary.duration, 2.01);
    EXPECT_EQ(made.summary.maximumTime, 900.0);
    // Beyond 10 V from about 1 s on.
    const std::vector<double> samples = samplesOf(made.elements, 0.01);
    EXPECT_EQ(made.summary.clippedSamples,
              std::count_if(samples.begin(), samples.end(), [](double v) { return v > 10; }));
    EXPECT_GE(made.summary.clippedSamples, 99);
}

TEST(PointImport, CornersAreBreakpointsOnTheSampleGrid) {
    const PointList points = pointsOf({0, 1, 2, 2.5}, {0, 10, -10, -10});
    const ImportResult made = importPoints(points, settingsFor(0));
    ASSERT_TRUE(made.ok());
    ASSERT_EQ(made.elements.size(), 3u);
    EXPECT_EQ(made.elements[0].type, FUNC_SLOPE);
    EXPECT_EQ(made.elements[1].type, FUNC_SLOPE);
    EXPECT_EQ(made.elements[2].type, FUNC_CONST);
    // Each corner starts the next element rather than ending the one before.
    EXPECT_EQ(made.elements[0].params[1], 10.0);
    EXPECT_EQ(made.elements[0].duration, 1.0);
    EXPECT_EQ(made.elements[1].params[0], 10.0);
    EXPECT_EQ(made.elements[1].params[1], -10.0);
    EXPECT_EQ(made.elements[1].duration, 1.0);
    EXPECT_EQ(made.elements[2].duration, 0.5);
    const std::vector<double> samples = samplesOf(made.elements, 0.01);
    ASSERT_EQ(samples.size(), 250u);
    for (std::size_t k = 0; k < samples.size(); ++k)
        EXPECT_NEAR(samples[k], lineAt(points, static_cast<double>(k) * 0.01), 0.00005) << k;
}

TEST(PointImport, StepsHoldEachValueUntilTheNextPoint) {
    const PointList points = pointsOf({0, 0.5, 0.5, 1, 1.5}, {1, 7, 2, 2, 9});
    const ImportResult made = importPoints(points, settingsFor(1, ImportShape::Step));
    ASSERT_TRUE(made.ok());
    // Two rows at 0.5 s are a jump: the later value holds from then on.
    ASSERT_EQ(made.elements.size(), 3u);
    EXPECT_EQ(made.elements[0].type, FUNC_CONST);
    EXPECT_EQ(made.elements[0].params[0], 1.0);
    EXPECT_EQ(made.elements[0].params[1], 0.5);
    EXPECT_EQ(made.elements[1].params[0], 2.0);
    EXPECT_EQ(made.elements[1].params[1], 1.0);
    EXPECT_EQ(made.elements[2].params[0], 9.0);
    EXPECT_EQ(made.elements[2].params[1], 0.1);
}

TEST(PointImport, TheLastPointsValueIsPlayedForOneSampleInterval) {
    struct Case {
        const char* name;
        PointList points;
        ImportShape shape;
        std::vector<double> lastSamples; // at 1 ms
        std::int64_t samples;
        double deviation;
    };
    const Case cases[] = {
        {"a spreadsheet's steps",
         pointsOf({0, 5}, {0, 12}),
         ImportShape::Step,
         {0, 0, 12},
         5001,
         0},
        {"a PWL source",
         pointsOf({0, 0.001, 0.003, 0.004}, {0, 5, -5, 0}),
         ImportShape::Linear,
         {5, 0, -5, 0},
         5,
         0},
        {"a recording that ends on the value it held",
         pointsOf({0, 1, 2}, {0, 5, 5}),
         ImportShape::Linear,
         {5, 5},
         2000,
         0},
        {"steps that end on the value they held",
         pointsOf({0, 5, 5.002}, {0, 12, 12}),
         ImportShape::Step,
         {0, 12, 12},
         5002,
         0},
        // With no room left the summary owns up to the value not played.
        {"a last point at the maximum time",
         pointsOf({0, 90}, {0, 1}),
         ImportShape::Step,
         {0, 0},
         90000,
         1},
    };
    for (const Case& c : cases) {
        const ImportResult made = importPoints(c.points, settingsFor(3, c.shape));
        ASSERT_TRUE(made.ok()) << c.name;
        EXPECT_EQ(made.summary.samples, c.samples) << c.name;
        EXPECT_NEAR(made.summary.largestDeviation, c.deviation, 1e-12) << c.name;
        const std::vector<double> samples = samplesOf(made.elements, 0.001);
        ASSERT_EQ(static_cast<std::int64_t>(samples.size()), c.samples) << c.name;
        const std::size_t first = samples.size() - c.lastSamples.size();
        for (std::size_t k = 0; k < c.lastSamples.size(); ++k)
            EXPECT_NEAR(samples[first + k], c.lastSamples[k], 1e-9) << c.name << " " << k;
    }
}

TEST(PointImport, ValuesWithoutTimesHoldOneStepEachInSteps) {
    PointList points = pointsOf({0, 0.01, 0.02}, {1, 2, 3});
    points.timeStep = 0.01;
    const ImportResult steps = importPoints(points, settingsFor(0, ImportShape::Step));
    ASSERT_TRUE(steps.ok());
    EXPECT_EQ(steps.summary.samples, 3);
    // A line ends at its last point, whose value then holds one sample interval.
    const ImportResult lines = importPoints(points, settingsFor(0));
    ASSERT_TRUE(lines.ok());
    EXPECT_EQ(lines.summary.samples, 3);
}

TEST(PointImport, GainOffsetAndTimeScale) {
    // Millivolts over milliseconds, replayed in volts around 1 V.
    const PointList points = pointsOf({0, 1000, 2000}, {0, 500, 500});
    ImportSettings settings = settingsFor(0, ImportShape::Step);
    settings.gain = 0.001;
    settings.offset = 1;
    settings.timeScale = 0.001;
    const ImportResult made = importPoints(points, settings);
    ASSERT_TRUE(made.ok());
    ASSERT_EQ(made.elements.size(), 2u);
    EXPECT_EQ(made.elements[0].params[0], 1.0);
    EXPECT_EQ(made.elements[1].params[0], 1.5);
    EXPECT_DOUBLE_EQ(made.summary.duration, 2.0);
}

TEST(PointImport, EverySampleKeepsToTheToleranceWithFewElements) {
    std::mt19937 random(7);
    std::normal_distribution<double> noise(0.0, 0.002);
    std::vector<double> times;
    std::vector<double> values;
    for (int i = 0; i <= 4000; ++i) {
        times.push_back(i * 0.0025);
        values.push_back(5 * std::sin(i * 0.0025) + noise(random));
    }
    const PointList points = pointsOf(times, values);
    for (const double tolerance : {0.0, 0.001, 0.01, 0.1}) {
        ImportSettings settings = settingsFor(3);
        settings.tolerance = tolerance;
        const ImportResult made = importPoints(points, settings);
        ASSERT_TRUE(made.ok());
        const std::vector<double> samples = samplesOf(made.elements, 0.001);
        ASSERT_EQ(samples.size(), 10001u);
        double largest = 0.0;
        for (std::size_t k = 0; k < samples.size(); ++k)
            largest = std::max(
                largest, std::fabs(samples[k] - lineAt(points, static_cast<double>(k) * 0.001)));
        EXPECT_LE(largest, tolerance + 0.00005 + 1e-9) << tolerance;
        EXPECT_NEAR(made.summary.largestDeviation, largest, 1e-9) << tolerance;
        for (const SignalElement& element : made.elements) {
            const double samplesInside = element.duration / 0.001;
            EXPECT_NEAR(samplesInside, std::round(samplesInside), 1e-6);
        }
        if (tolerance >= 0.1) {
            EXPECT_LT(made.elements.size(), 60u);
        }
    }
}

TEST(PointImport, SuggestsTheReplayFilesRangeAndTheResolutionItsTimesFit) {
    PointList replay = pointsOf({0, 2, 3}, {1, 2, 2});
    replay.replayTimeDigits = 2;
    replay.replayRangeCode = 3;
    EXPECT_EQ(suggestedRange(replay, 1, 0), 3);
    EXPECT_EQ(suggestedResolution(replay, 1), 2);
    EXPECT_EQ(suggestedSettings(replay).shape, ImportShape::Step);
    replay.times = {0, 0.1, 3000};
    EXPECT_EQ(suggestedResolution(replay, 1), 1);
    replay.times = {0, 0.01, 3};
    EXPECT_EQ(suggestedResolution(replay, 1), 0);
    // Times on the 10 ms grid beyond 15 minutes: the finest resolution that holds them.
    replay.times = {0, 0.01, 1000};
    EXPECT_EQ(suggestedResolution(replay, 1), 1);
    replay.replayTimeDigits = 3;
    EXPECT_EQ(suggestedResolution(replay, 1), 3);

    const PointList points = pointsOf({0, 100}, {-5, 5});
    EXPECT_EQ(suggestedResolution(points, 1), 0);
    EXPECT_EQ(suggestedResolution(points, 0.1), 3);
    EXPECT_EQ(suggestedResolution(points, 1000), 2);
    EXPECT_EQ(suggestedRange(points, 1, 0), 0);
    EXPECT_EQ(suggestedRange(points, 3, 0), 4);
    EXPECT_EQ(suggestedSettings(points).shape, ImportShape::Linear);
}

namespace {

struct Refusal {
    const char* what;
    ImportSettings settings;
    ImportStatus status;
};

ImportSettings with(void (*change)(ImportSettings&)) {
    ImportSettings settings = settingsFor(3);
    change(settings);
    return settings;
}

const std::vector<Refusal> Refusals = {
    {"no range", with([](ImportSettings& s) { s.rangeCode = -1; }), ImportStatus::NoRange},
    {"no resolution", with([](ImportSettings& s) { s.resolutionCode = 4; }),
     ImportStatus::NoResolution},
    {"a negative tolerance", with([](ImportSettings& s) { s.tolerance = -1; }),
     ImportStatus::BadSetting},
    {"a time scale of 0", with([](ImportSettings& s) { s.timeScale = 0; }),
     ImportStatus::BadSetting},
    {"a gain that is not a number",
     with([](ImportSettings& s) { s.gain = std::numeric_limits<double>::quiet_NaN(); }),
     ImportStatus::BadSetting},
    {"a gain that overflows", with([](ImportSettings& s) { s.gain = 1e308; }),
     ImportStatus::NotFinite},
    {"a huge value", with([](ImportSettings& s) { s.gain = 1e12; }), ImportStatus::HugeValue},
    {"too long", with([](ImportSettings& s) { s.timeScale = 100; }), ImportStatus::TooLong},
    {"too short", with([](ImportSettings& s) { s.timeScale = 0.0004; }), ImportStatus::TooShort},
};

} // namespace

TEST(PointImport, RefusesWhatCannotBecomeElements) {
    const PointList points = pointsOf({0, 1, 1.2}, {0, 2, 20});
    for (const Refusal& c : Refusals) {
        const ImportResult made = importPoints(points, c.settings);
        EXPECT_EQ(made.status, c.status) << c.what;
        EXPECT_TRUE(made.elements.empty()) << c.what;
    }
    const ImportResult huge = importPoints(points, Refusals[6].settings);
    EXPECT_EQ(huge.line, 2);
}

TEST(PointImport, ATooLongSignalNamesItsTimeAndTheMaximum) {
    const ImportResult made = importPoints(pointsOf({0, 120}, {0, 1}), settingsFor(3));
    EXPECT_EQ(made.status, ImportStatus::TooLong);
    EXPECT_DOUBLE_EQ(made.summary.duration, 120.0);
    EXPECT_DOUBLE_EQ(made.summary.maximumTime, 90.0);
    // Exactly the maximum fits.
    EXPECT_TRUE(importPoints(pointsOf({0, 90}, {0, 1}), settingsFor(3)).ok());
}
