#include "canvas/canvas_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(InitialCanvas, ScalesWithTheScreenDpi) {
    struct Case {
        int dpi, x, y, width, height, strip;
    };
    for (const Case c : {Case{96, 20, 20, 700, 400, 16}, Case{120, 25, 25, 875, 500, 20},
                         Case{144, 30, 30, 1050, 600, 24}}) {
        const Canvas canvas = initialCanvas(c.dpi);
        EXPECT_EQ(canvas.x, c.x) << c.dpi;
        EXPECT_EQ(canvas.y, c.y) << c.dpi;
        EXPECT_EQ(canvas.width, c.width) << c.dpi;
        EXPECT_EQ(canvas.height, c.height) << c.dpi;
        EXPECT_EQ(stripHeight(canvas), c.strip) << c.dpi;
        EXPECT_EQ(canvas.dpi, c.dpi);
    }
}

TEST(InitialCanvas, StartsWithAnEmptyViewAndAFullThumb) {
    const Canvas canvas = initialCanvas(96);
    EXPECT_EQ(canvas.viewStart, 0);
    EXPECT_EQ(canvas.viewEnd, 0);
    EXPECT_EQ(canvas.secondsPerDivision, 0);
    EXPECT_EQ(canvas.displaySpan, 0);
    EXPECT_FALSE(canvas.showHundredths);
    EXPECT_EQ(canvas.scrollPos, 0);
    EXPECT_EQ(canvas.scrollPage, 10000);
    EXPECT_EQ(canvas.controlId, 1111);
    const Trace& trace = canvas.trace;
    EXPECT_EQ(trace.name, "OUTPUT");
    EXPECT_EQ(trace.colour, 0x00FFFFFFu);
    EXPECT_TRUE(trace.visible);
    EXPECT_EQ(pointsOf(trace).pointCount(), 0);
}

TEST(SetRange, StoresOnlyAnIncreasingRange) {
    Canvas canvas = initialCanvas(96);
    Trace& trace = canvas.trace;
    setRange(trace, 0, 20);
    EXPECT_EQ(trace.minValue, 0);
    EXPECT_EQ(trace.maxValue, 20);
    for (const auto& [lo, hi] : {std::pair{5.0, 5.0}, {7.0, 1.0}, {std::nan(""), 1.0}}) {
        setRange(trace, lo, hi);
        EXPECT_EQ(trace.minValue, 0);
        EXPECT_EQ(trace.maxValue, 20);
    }
}

TEST(SetTimePerDivision, SnapsToWholeUnitsFromOneSecondUp) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, double> cases[] = {
        {0.01, 0.01},   {0.5, 0.5},       {1.7, 1},
        {5, 5},         {59.9, 59},       {90, 60},
        {3599, 3540},   {4000, 3600},     {86399, 82800},
        {86400, 86400}, {200000, 172800}, {1e300, 86400 * std::trunc(1e300 / 86400)},
    };
    for (const auto& [given, kept] : cases) {
        Canvas canvas = initialCanvas(96);
        setTimePerDivision(canvas, given);
        EXPECT_EQ(canvas.secondsPerDivision, kept) << given;
    }
    for (const double ignored : {0.0, -3.0, std::nan(""), inf, -inf}) {
        Canvas canvas = initialCanvas(96);
        setTimePerDivision(canvas, 5);
        setTimePerDivision(canvas, ignored);
        EXPECT_EQ(canvas.secondsPerDivision, 5) << ignored;
    }
}

TEST(DataExtent, SpansTheTracesPointsVisibleOrNot) {
    Canvas canvas = initialCanvas(96);
    EXPECT_EQ(dataStartTime(canvas), 0);
    EXPECT_EQ(dataEndTime(canvas), 0);
    TracePoints points;
    points.appendPoint(2, 0);
    points.appendPoint(8, 0);
    canvas.trace.points = &points;
    canvas.trace.visible = false;
    EXPECT_EQ(dataStartTime(canvas), 2);
    EXPECT_EQ(dataEndTime(canvas), 8);
}
