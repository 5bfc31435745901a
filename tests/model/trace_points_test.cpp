#include "model/trace_points.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

TracePoints pointsAt(std::initializer_list<double> times) {
    TracePoints points;
    for (double t : times)
        points.appendPoint(t, 0);
    return points;
}

} // namespace

TEST(TracePoints, KeepsOrderAndValues) {
    TracePoints trace;
    EXPECT_EQ(trace.pointCount(), 0);
    trace.appendPoint(0.0, -1.5);
    trace.appendPoint(0.5, 2.0);
    ASSERT_EQ(trace.pointCount(), 2);
    EXPECT_EQ(trace.pointAt(0).time, 0.0);
    EXPECT_EQ(trace.pointAt(0).value, -1.5);
    EXPECT_EQ(trace.lastPoint().time, 0.5);
    EXPECT_EQ(trace.lastPoint().value, 2.0);
    trace.clearPoints();
    EXPECT_EQ(trace.pointCount(), 0);
}

TEST(TracePoints, DropsTheOldestAtTheCapacity) {
    TracePoints trace;
    for (int i = 0; i < MaxTracePoints; ++i)
        trace.appendPoint(i, -i);
    EXPECT_EQ(trace.pointCount(), MaxTracePoints);
    EXPECT_EQ(trace.pointAt(0).time, 0.0);

    // The 100,000th append reaches the limit and pushes out the first point.
    trace.appendPoint(MaxTracePoints, -MaxTracePoints);
    EXPECT_EQ(trace.pointCount(), 99'999);
    EXPECT_EQ(trace.pointAt(0).time, 1.0);
    EXPECT_EQ(trace.lastPoint().time, MaxTracePoints);

    for (int i = 0; i < 250'000; ++i)
        trace.appendPoint(MaxTracePoints + 1 + i, 0.0);
    EXPECT_EQ(trace.pointCount(), MaxTracePoints);
    EXPECT_EQ(trace.pointAt(0).time, 250'001.0);
    for (int i = 1; i < trace.pointCount(); ++i)
        ASSERT_EQ(trace.pointAt(i).time, trace.pointAt(i - 1).time + 1.0);
    EXPECT_EQ(trace.lastPoint().time, MaxTracePoints + 250'000.0);

    trace.clearPoints();
    trace.appendPoint(7.0, 8.0);
    EXPECT_EQ(trace.pointCount(), 1);
    EXPECT_EQ(trace.pointAt(0).value, 8.0);
}

TEST(TracePoints, EveryAppendCountAroundTheLimit) {
    // The newest point is last and the count stops at 99,999 whatever the number of appends.
    for (int extra : {0, 1, 2, 7, MaxTracePoints - 1, MaxTracePoints, MaxTracePoints + 3}) {
        TracePoints trace;
        trace.reservePoints(1'000'000); // more than the store ever holds
        const int appends = MaxTracePoints + extra;
        for (int i = 0; i < appends; ++i)
            trace.appendPoint(i, 0.5 * i);
        ASSERT_EQ(trace.pointCount(), MaxTracePoints) << extra;
        EXPECT_EQ(trace.pointAt(0).time, extra);
        EXPECT_EQ(trace.pointAt(MaxTracePoints - 1).time, appends - 1);
        EXPECT_EQ(trace.lastPoint().value, 0.5 * (appends - 1));
        trace.clearPoints();
        trace.appendPoint(-1.0, 3.0);
        EXPECT_EQ(trace.pointAt(0).time, -1.0);
        EXPECT_EQ(trace.lastPoint().value, 3.0);
    }
}

TEST(PointSearch, FindsTheVisibleIndexRange) {
    const TracePoints points = pointsAt({1, 2, 2, 2, 5, 8});
    struct Case {
        double t;
        int first, last;
    };
    const Case cases[] = {{0, 0, -1}, {1, 0, 0}, {1.5, 1, 0}, {2, 1, 3},
                          {3, 4, 3},  {8, 5, 5}, {9, 6, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(firstPointAtOrAfter(points, c.t), c.first) << c.t;
        EXPECT_EQ(lastPointAtOrBefore(points, c.t), c.last) << c.t;
    }
    const TracePoints one = pointsAt({4});
    EXPECT_EQ(firstPointAtOrAfter(one, 4), 0);
    EXPECT_EQ(lastPointAtOrBefore(one, 4), 0);
}
