#include "model/synthesis.h"

#include "model/noise.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

std::vector<double> valuesOf(const TracePoints& trace) {
    std::vector<double> values;
    for (int i = 0; i < trace.pointCount(); ++i)
        values.push_back(trace.pointAt(i).value);
    return values;
}

TracePoints rebuilt(const std::vector<SignalElement>& list, double dt) {
    TracePoints trace;
    rebuildSamples(list, dt, trace);
    return trace;
}

} // namespace

TEST(ValueAt, ConstAndSlope) {
    EXPECT_EQ(valueAt(makeElement(FUNC_CONST, {1.5, 1}), 123.0), 1.5);
    const SignalElement slope = makeElement(FUNC_SLOPE, {1, 4, 3});
    EXPECT_EQ(valueAt(slope, 0.0), 1.0);
    EXPECT_EQ(valueAt(slope, 0.7), (4.0 - 1.0) * 0.7 / 3.0 + 1.0);
    EXPECT_EQ(valueAt(slope, 3.0), 4.0); // t = p[2] still on the ramp
    EXPECT_EQ(valueAt(slope, 3.0000001), 4.0);
    EXPECT_EQ(valueAt(slope, 1e9), 4.0);
}

TEST(ValueAt, RectangleSwitchesAnEpsilonEarly) {
    const SignalElement rect = makeElement(FUNC_RECT, {-1, 1, 0.05, 0.03, 10});
    struct Row {
        double t, value;
    };
    const Row rows[] = {
        {0.0, -1},     {0.0498, -1}, // more than 0.1 ms before the switch: still A
        {0.04995, 1},                // within 0.1 ms of the switch: already B
        {0.05, 1},     {0.0798, 1},  // B until within 0.1 ms of the cycle end
        {0.07995, -1},               // already the next cycle, level A
        {0.08, -1},    {0.12995, 1}, {0.8 - 0.00005, -1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(valueAt(rect, row.t), row.value) << row.t;
}

TEST(ValueAt, TriangleRisesAndFalls) {
    const SignalElement tri = makeElement(FUNC_TRI, {0, 2, 1, 3, 5});
    EXPECT_EQ(valueAt(tri, 0.0), 0.0);
    EXPECT_EQ(valueAt(tri, 0.5), 2.0 * 0.5 / 1.0 + 0.0);
    // Within 0.1 ms of the peak the falling formula already applies, and slightly overshoots B.
    EXPECT_EQ(valueAt(tri, 0.99995), 2.0 - (0.99995 - 1.0) * 2.0 / 3.0);
    EXPECT_EQ(valueAt(tri, 1.0), 2.0);
    EXPECT_EQ(valueAt(tri, 2.5), 2.0 - (2.5 - 1.0) * 2.0 / 3.0);
    // Within 0.1 ms of the cycle end the next cycle's rise has begun, just below A.
    const double tau = 3.99995 - std::trunc((3.99995 + 0.0001) / 4.0) * 4.0;
    EXPECT_LT(tau, 0.0);
    EXPECT_EQ(valueAt(tri, 3.99995), 2.0 * tau / 1.0 + 0.0);
    EXPECT_EQ(valueAt(tri, 4.5), 2.0 * (4.5 - 4.0) / 1.0);
}

TEST(ValueAt, SineAndExponential) {
    const SignalElement sine = makeElement(FUNC_SIN, {0.5, 2, 4, 90, 8});
    for (double t : {0.0, 0.3, 1.0, 7.7})
        EXPECT_EQ(valueAt(sine, t), 0.5 + 2.0 * std::sin(2.0 * 3.141592653589793 * t / 4.0 +
                                                         3.141592653589793 * 90.0 / 180.0));
    const SignalElement expo = makeElement(FUNC_EXPO, {0, 10, 1, 5});
    EXPECT_EQ(valueAt(expo, 0.0), 0.0);
    EXPECT_NEAR(valueAt(expo, 1.0), 6.3212, 1e-4);
    EXPECT_EQ(valueAt(expo, 1.0), 10.0 - 10.0 * std::exp(-1.0));
    EXPECT_EQ(valueAt(makeElement(FUNC_EXPO, {10, 0, 2, 5}), 2.0),
              0.0 - (0.0 - 10.0) * std::exp(-1.0));
}

TEST(ValueAt, UnsampledTypesAreZero) {
    for (FuncType type : {FUNC_NONE, FUNC_RANDOM, FUNC_SUM, 9, -1})
        EXPECT_EQ(valueAt(makeElement(type, {5, 5, 5, 5, 5}), 1.0), 0.0);
}

TEST(ValueAt, DegenerateParametersGiveNonFiniteValues) {
    // Only a hand-edited file gets here: the value may be NaN or infinite, nothing worse.
    EXPECT_TRUE(std::isnan(valueAt(makeElement(FUNC_SLOPE, {0, 1, 0}), 0.0)));
    EXPECT_TRUE(std::isnan(valueAt(makeElement(FUNC_SIN, {0, 1, 0, 0, 1}), 0.0)));
    EXPECT_TRUE(std::isnan(valueAt(makeElement(FUNC_TRI, {0, 1, 0, 0, 1}), 1.5)));
    EXPECT_TRUE(std::isinf(valueAt(makeElement(FUNC_EXPO, {0, 1, -1e-300, 1}), 1.0)));
    EXPECT_EQ(valueAt(makeElement(FUNC_RECT, {3, 4, 0, 0, 1}), 0.5), 3.0);
    for (double bad : {0.0, NaN, Inf, -Inf, 1e300, -1e300, 5e-324}) {
        for (FuncType type : {FUNC_RECT, FUNC_TRI, FUNC_SIN, FUNC_EXPO, FUNC_SLOPE}) {
            SignalElement e = makeElement(type, {1, 2, 3, 4, 5});
            for (int slot = 0; slot < 5; ++slot) {
                SignalElement f = e;
                f.params[slot] = bad;
                for (double t : {0.0, 0.5, 1e300, Inf, NaN})
                    (void)valueAt(f, t);
            }
        }
    }
}

TEST(SampleElement, CountRoundsHalvesDown) {
    struct Row {
        double duration, dt;
        int count;
    };
    const Row rows[] = {
        {0.025, 0.01, 2}, {0.026, 0.01, 3}, {2.5, 1.0, 2},         {2.6, 1.0, 3},
        {1.0, 0.1, 10},   {0.004, 0.01, 0}, {0.005, 0.01, 0},      {0.0051, 0.01, 1},
        {0.0, 0.01, 0},   {-3.0, 0.01, 0},  {90.0, 0.001, 90'000}, {86400, 1.0, 86400},
    };
    for (const Row& row : rows) {
        TracePoints trace;
        const SignalElement e = makeElement(FUNC_CONST, {1, row.duration});
        sampleElement(e, 0.0, row.dt, trace);
        EXPECT_EQ(trace.pointCount(), row.count) << row.duration << " at " << row.dt;
        EXPECT_EQ(sampleCountOf(e, row.dt), row.count);
    }
}

TEST(SampleElement, LocalTimeIsAccumulated) {
    TracePoints trace;
    const double last = sampleElement(makeElement(FUNC_CONST, {1.5, 1}), 3.0, 0.1, trace);
    EXPECT_EQ(last, 1.5);
    ASSERT_EQ(trace.pointCount(), 10);
    double t = 0.0;
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(trace.pointAt(i).time, 3.0 + t);
        EXPECT_EQ(trace.pointAt(i).value, 1.5);
        t = t + 0.1;
    }

    // Repeated addition drifts from k * dt: the 10th local time is not 0.9.
    TracePoints fromZero;
    sampleElement(makeElement(FUNC_CONST, {1.5, 1}), 0.0, 0.1, fromZero);
    EXPECT_NE(fromZero.pointAt(9).time, 9 * 0.1);
}

TEST(SampleElement, NothingAppendedReturnsZero) {
    TracePoints trace;
    EXPECT_EQ(sampleElement(makeElement(FUNC_CONST, {7, 0.004}), 0.0, 0.01, trace), 0.0);
    EXPECT_EQ(sampleElement(makeElement(FUNC_NONE, {7, 1}), 0.0, 0.01, trace), 0.0);
    EXPECT_EQ(sampleElement(makeElement(12, {7, 1}), 0.0, 0.01, trace), 0.0);
    EXPECT_EQ(trace.pointCount(), 0);
}

TEST(RebuildSamples, EmptyListIsOnePoint) {
    const TracePoints trace = rebuilt({}, 0.01);
    ASSERT_EQ(trace.pointCount(), 1);
    EXPECT_EQ(trace.pointAt(0).time, 0.0);
    EXPECT_EQ(trace.pointAt(0).value, 0.0);
}

TEST(RebuildSamples, ClosingPointRepeatsTheLastValue) {
    const TracePoints trace = rebuilt({makeElement(FUNC_CONST, {1.5, 1})}, 0.1);
    ASSERT_EQ(trace.pointCount(), 11);
    EXPECT_EQ(trace.lastPoint().time, 1.0);
    EXPECT_EQ(trace.lastPoint().value, 1.5);

    const TracePoints slope = rebuilt({makeElement(FUNC_SLOPE, {0, 10, 10})}, 1.0);
    EXPECT_EQ(valuesOf(slope), (std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 9}));
    EXPECT_EQ(slope.lastPoint().time, 10.0);

    // A last element too short for a sample closes with 0, not the value before it.
    const TracePoints shortLast =
        rebuilt({makeElement(FUNC_CONST, {4, 0.02}), makeElement(FUNC_CONST, {5, 0.004})}, 0.01);
    EXPECT_EQ(valuesOf(shortLast), (std::vector<double>{4, 4, 0}));
    EXPECT_EQ(shortLast.lastPoint().time, 0.02 + 0.004);
}

TEST(RebuildSamples, StartTimesFollowTheDurationsOffTheGrid) {
    const TracePoints trace =
        rebuilt({makeElement(FUNC_CONST, {1, 0.015}), makeElement(FUNC_CONST, {2, 0.02})}, 0.01);
    ASSERT_EQ(trace.pointCount(), 4);
    EXPECT_EQ(trace.pointAt(0).time, 0.0);
    EXPECT_EQ(trace.pointAt(1).time, 0.015);
    EXPECT_EQ(trace.pointAt(1).value, 2.0);
    EXPECT_EQ(trace.pointAt(2).time, 0.015 + (0.0 + 0.01));
    EXPECT_EQ(trace.lastPoint().time, 0.0 + 0.015 + 0.02);
    EXPECT_EQ(trace.lastPoint().value, 2.0);
}

TEST(RebuildSamples, RectangleWave) {
    const TracePoints trace = rebuilt({makeElement(FUNC_RECT, {0, 1, 0.05, 0.05, 2})}, 0.01);
    EXPECT_EQ(valuesOf(trace),
              (std::vector<double>{0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(trace.lastPoint().time, 0.2);
}

TEST(RebuildSamples, SineQuarterPeriods) {
    const TracePoints trace = rebuilt({makeElement(FUNC_SIN, {0, 1, 4, 90, 8})}, 1.0);
    const double expected[] = {1, 0, -1, 0, 1, 0, -1, 0};
    ASSERT_EQ(trace.pointCount(), 9);
    for (int i = 0; i < 8; ++i)
        EXPECT_NEAR(trace.pointAt(i).value, expected[i], 1e-12);
}

TEST(RebuildSamples, SumAddsBAtTheSameLocalTimes) {
    const SignalElement s = makeSum(makeElement(FUNC_CONST, {2, 5}),
                                    makeElement(FUNC_SLOPE, {0, 1, 2})); // B holds 1 after 2 s
    EXPECT_EQ(s.duration, 5.0);
    EXPECT_EQ(valuesOf(rebuilt({s}, 1.0)), (std::vector<double>{2, 2.5, 3, 3, 3, 3}));

    // A rectangle B shorter than A keeps cycling.
    const SignalElement cycling =
        makeSum(makeElement(FUNC_CONST, {0, 6}), makeElement(FUNC_RECT, {0, 1, 1, 1, 1}));
    EXPECT_EQ(valuesOf(rebuilt({cycling}, 1.0)), (std::vector<double>{0, 1, 0, 1, 0, 1, 1}));

    // Noise as A (only from a hand-edited file) has no closed form and adds nothing.
    SignalElement bad = s;
    bad.subTypeA = FUNC_RANDOM;
    bad.duration = 3.0;
    EXPECT_EQ(valuesOf(rebuilt({bad}, 1.0)), (std::vector<double>{0.0, 0.5, 1.0, 1.0}));
}

TEST(RebuildSamples, NoiseIsReproducible) {
    const SignalElement noise = makeElement(FUNC_RANDOM, {1, 0.5, 42, 1});
    const std::vector<SignalElement> list{noise, makeElement(FUNC_CONST, {0, 1}), noise};
    const TracePoints first = rebuilt(list, 0.1);
    ASSERT_EQ(first.pointCount(), 31);

    std::mt19937 reference(42);
    for (int i = 0; i < 10; ++i) {
        const double e1 = reference();
        const double e2 = reference();
        const double u1 = (e1 + 0.5) * 2.3283064365386963e-10;
        const double u2 = (e2 + 0.5) * 2.3283064365386963e-10;
        EXPECT_EQ(first.pointAt(i).value,
                  1.0 + 0.5 * std::sqrt(-2.0 * std::log(u1)) * std::sin(6.283185307179586 * u2));
        EXPECT_EQ(first.pointAt(20 + i).value, first.pointAt(i).value);
    }
    EXPECT_EQ(valuesOf(rebuilt(list, 0.1)), valuesOf(first));
}

TEST(RebuildSamples, NoiseAsSubFunctionB) {
    const SignalElement s = makeSum(makeElement(FUNC_SLOPE, {0, 3, 3}),
                                    makeElement(FUNC_RANDOM, {0.5, 2, 123456, 0.1}));
    const TracePoints trace = rebuilt({s}, 1.0);
    ASSERT_EQ(trace.pointCount(), 4);
    NoiseGenerator noise(123456);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(trace.pointAt(i).value, i + nextNoiseValue(noise, 0.5, 2));
}

TEST(RebuildSamples, FullStoreKeepsTheNewestPoints) {
    // 100 s at 1 ms: 100,000 samples and the closing point, more than the store holds.
    const TracePoints trace = rebuilt({makeElement(FUNC_SLOPE, {0, 100'000, 100})}, 0.001);
    EXPECT_EQ(trace.pointCount(), MaxTracePoints);
    EXPECT_EQ(trace.lastPoint().time, 100.0);
    EXPECT_EQ(trace.pointAt(0).value,
              valueAt(makeElement(FUNC_SLOPE, {0, 100'000, 100}), trace.pointAt(0).time));
    EXPECT_GT(trace.pointAt(0).time, 0.0015);
}

TEST(RebuildSamples, HandEditedValuesStayDefined) {
    // Every slot of every type set to a degenerate value, with a duration that stays countable.
    std::vector<SignalElement> list;
    for (double bad : {0.0, NaN, Inf, -Inf, 1e300, -1e300}) {
        for (FuncType type = FUNC_CONST; type <= FUNC_RANDOM; ++type) {
            for (int slot = 0; slot < 5; ++slot) {
                SignalElement e = makeElement(type, {1, 2, 0.3, 0.2, 1});
                e.params[slot] = bad;
                e.duration = 0.05;
                list.push_back(e);
                SignalElement s = makeSum(makeElement(FUNC_TRI, {0, 1, 0.01, 0.01, 1}), e);
                s.subParamsA[slot] = bad;
                s.duration = 0.05;
                list.push_back(s);
            }
        }
    }
    ASSERT_LT(listSampleCount(list, 0.01), MaxTracePoints);
    const TracePoints trace = rebuilt(list, 0.01);
    EXPECT_EQ(trace.pointCount(), listSampleCount(list, 0.01));
}

TEST(RebuildSamples, NonFiniteDurationsMakeNoSamples) {
    SignalElement nan = makeElement(FUNC_CONST, {1, NaN});
    const TracePoints trace = rebuilt({nan, makeElement(FUNC_CONST, {2, 1})}, 0.5);
    // After a NaN duration every start time is NaN; the samples are still made.
    ASSERT_EQ(trace.pointCount(), 3);
    EXPECT_TRUE(std::isnan(trace.pointAt(0).time));
    EXPECT_EQ(trace.pointAt(0).value, 2.0);
}

TEST(RebuildSamples, IntervalsThatMakeNoProgressEnd) {
    for (double dt : {0.0, -0.01}) {
        TracePoints trace;
        sampleElement(makeElement(FUNC_CONST, {1, 1e20}), 0.0, dt, trace);
        EXPECT_EQ(trace.pointCount(), 1) << dt;
    }
}

TEST(SampleCount, SaturatesInsteadOfCounting) {
    const std::int64_t tooMany = CountedSamplesLimit + 1;
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_CONST, {1, 1e300}), 0.001), tooMany);
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_CONST, {1, Inf}), 0.001), tooMany);
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_CONST, {1, 1}), 0.0), tooMany);
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_CONST, {1, 1e5}), 0.001), tooMany);
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_CONST, {1, 1e4}), 0.01), 1'000'000);
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_CONST, {1, NaN}), 0.001), 0);
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_CONST, {1, -Inf}), 0.001), 0);
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_CONST, {1, 1}), NaN), 0);
    EXPECT_EQ(sampleCountOf(makeElement(FUNC_NONE, {1, 1e300}), 0.001), 0);

    const SignalElement sine = makeElement(FUNC_SIN, {0, 1, 1, 0, 90});
    EXPECT_EQ(listSampleCount({}, 0.001), 1);
    EXPECT_EQ(listSampleCount({sine, sine}, 0.001), 180'001);
    const std::vector<SignalElement> huge(3, makeElement(FUNC_CONST, {1, 4e6}));
    EXPECT_EQ(listSampleCount(huge, 1.0), tooMany);
}
