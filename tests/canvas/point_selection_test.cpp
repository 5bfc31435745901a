#include "canvas/point_selection.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include <cmath>
#include <limits>

TEST(SelectPointRange, ThinsByStrideCountedBackFromTheLastPoint) {
    struct Case {
        int inView, stride, count;
    };
    const Case cases[] = {
        {10000, 1, 10000}, {10001, 2, 5000}, {25000, 3, 8333}, {86400, 9, 9600}, {99999, 10, 9999}};
    for (const Case& c : cases) {
        Canvas canvas = initialCanvas(96);
        Trace& trace = *rangedTrace(canvas, -1, 1);
        TracePoints samples;
        for (int i = 0; i < c.inView; ++i)
            samples.appendPoint(i, 0);
        trace.points = &samples;
        canvas.viewEnd = c.inView;
        const PointSelection s = selectPointRange(canvas, trace);
        EXPECT_EQ(s.stride, c.stride) << c.inView;
        EXPECT_EQ(s.count, c.count) << c.inView;
        EXPECT_EQ(s.last, c.inView - 1) << c.inView;
        EXPECT_EQ(s.first, s.last - s.stride * (s.count - 1)) << c.inView;
        EXPECT_LE(s.count, MaxDrawnPoints);
    }
}

TEST(SelectPointRange, DayLongSignalDrawsNinethousandSixHundredPoints) {
    Chart chart(Period24h);
    chart.load(86400, 1); // 86401 points, all in view
    const PointSelection s = selectPointRange(chart.canvas, *chart.trace);
    EXPECT_EQ(s.stride, 9);
    EXPECT_EQ(s.last, 86400);
    EXPECT_EQ(s.first, 86400 - 86391);
    EXPECT_EQ(s.count, 9600);
    // Sixteen of them to a pixel column, kept to the column's extremes.
    EXPECT_LE(selectDrawPoints(chart.canvas, *chart.trace).size(), 4u * 610);
}

// The pixels of a line through the points, one step per pixel of its longer side.
std::set<std::pair<int, int>> rasterOf(const std::vector<PixelPoint>& line) {
    std::set<std::pair<int, int>> pixels;
    for (std::size_t i = 1; i < line.size(); ++i) {
        const PixelPoint a = line[i - 1], b = line[i];
        const int steps = std::max({std::abs(b.x - a.x), std::abs(b.y - a.y), 1});
        for (int k = 0; k <= steps; ++k)
            pixels.insert({a.x + static_cast<int>(std::lround((b.x - a.x) * k / double(steps))),
                           a.y + static_cast<int>(std::lround((b.y - a.y) * k / double(steps)))});
    }
    return pixels;
}

TEST(KeepColumnExtremes, DrawsTheSamePixelsAsEveryPoint) {
    std::vector<PixelPoint> dense;
    unsigned state = 12345;
    for (int i = 0; i < 5000; ++i) {
        state = state * 1103515245u + 12345u;
        dense.push_back({i / 7, static_cast<int>(state >> 16) % 300});
    }
    const std::vector<PixelPoint> kept = keepColumnExtremes(dense);
    EXPECT_LE(kept.size(), 4u * (dense.back().x + 1));
    EXPECT_EQ(kept.front(), dense.front());
    EXPECT_EQ(kept.back(), dense.back());
    EXPECT_EQ(rasterOf(kept), rasterOf(dense));
}

TEST(SelectDrawPoints, OnlyThePointsInsideTheWindow) {
    Chart chart(Period30s);
    chart.load(100, 10); // points at 0, 10 … 100
    const std::vector<PixelPoint> pixels = selectDrawPoints(chart.canvas, *chart.trace);
    // View 70 … 100: points 70, 80, 90, 100, not extended to the edges.
    ASSERT_EQ(pixels.size(), 4u);
    EXPECT_EQ(pixels.front().x, 70);
    EXPECT_EQ(pixels.back().x, 651);
    chart.canvas.viewStart = 71;
    chart.canvas.viewEnd = 79;
    EXPECT_TRUE(selectDrawPoints(chart.canvas, *chart.trace).empty());
}

// A hand-edited file can carry finite but enormous values, and arithmetic can make infinities
// and NaN: each lands on an edge of the plot area without an overflowing conversion.
TEST(SelectDrawPoints, ExtremeValuesLandOnThePlotEdges) {
    const double inf = std::numeric_limits<double>::infinity();
    Chart chart(Period30s);
    const double values[] = {1e300, -1e300, inf, -inf, std::nan(""), 1.7976931348623157e308, 5};
    const int rows[] = {24, 360, 24, 360, 360, 24, 108};
    for (int i = 0; i < 7; ++i)
        chart.samples.appendPoint(i, values[i]);
    setView(chart.canvas, 0, chart.canvas.displaySpan, 0, chart.effects);
    const std::vector<PixelPoint> pixels = selectDrawPoints(chart.canvas, *chart.trace);
    ASSERT_EQ(pixels.size(), 8u); // with the synthesized point at 0 s
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(pixels[i + 1].y, rows[i]) << values[i];
}

TEST(SelectClippedRuns, RunsBeyondOneLimitAlongItsEdge) {
    Canvas canvas = initialCanvas(96);
    canvas.viewEnd = 30;
    Trace& trace = *rangedTrace(canvas, -10, 10);
    TracePoints samples;
    for (double value : {0.0, 12.0, 15.0, 10.0, -11.0, 11.0, 5.0})
        samples.appendPoint(samples.pointCount(), value);
    trace.points = &samples;
    // The limit itself is in range; a lone point gains the next pixel.
    using Run = std::vector<PixelPoint>;
    EXPECT_EQ(selectClippedRuns(canvas, trace),
              (std::vector<Run>{
                  {{89, 24}, {109, 24}}, {{147, 360}, {148, 360}}, {{167, 24}, {168, 24}}}));
    trace.maxValue = trace.minValue;
    EXPECT_TRUE(selectClippedRuns(canvas, trace).empty());
}
