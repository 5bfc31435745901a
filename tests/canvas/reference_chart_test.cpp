#include "canvas/reference_chart.h"

#include "canvas/svg_chart.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

// The 30 s view of a ±10 V trace.
struct ReferenceChart : Chart {
    ReferenceChart() {
        rangedTrace(canvas, -10, 10);
        load(30, 1);
    }
    PixelPoint at(double t, double value) const {
        return {timeToX(canvas, t), clampedValueToY(canvas, canvas.trace, value)};
    }
};

} // namespace

TEST(ReferenceChart, HeldValuesAreStepsAndLinesRunToTheViewsEdges) {
    const ReferenceChart chart;
    // Each reference with the corners drawn of it, as times and values.
    const auto drawsAt = [&](const ReferenceTrace& reference,
                             const std::vector<std::pair<double, double>>& drawn) {
        const TracePolyline line =
            referencePolyline(chart.canvas, reference).value_or(TracePolyline{});
        EXPECT_EQ(line.pen, (Pen{PenStyle::Solid, 1, ReferenceColour}));
        std::vector<PixelPoint> expected;
        for (const auto& [t, value] : drawn)
            expected.push_back(chart.at(t, value));
        EXPECT_EQ(line.points, expected);
    };
    SCOPED_TRACE("held");
    drawsAt({{{0, 1}, {10, -1}, {20, -1}}, true}, {{0, 1}, {10, 1}, {10, -1}, {20, -1}});
    SCOPED_TRACE("lines from before the view to past it");
    drawsAt({{{-10, -10}, {10, 10}, {40, -20}}, false}, {{0, 0}, {10, 10}, {30, -10}});
    SCOPED_TRACE("beyond the range, along the edge");
    drawsAt({{{0, 20}, {30, 20}}, false}, {{0, 10}, {30, 10}});
}

TEST(ReferenceChart, NothingIsDrawnOfAReferenceOutOfView) {
    const ReferenceChart chart;
    const ReferenceTrace later{{{31, 0}, {40, 0}}, false};
    EXPECT_FALSE(referencePolyline(chart.canvas, later));
    EXPECT_FALSE(referencePolyline(chart.canvas, ReferenceTrace{}));
}

// A million points across the view draw what they all would: each column from its lowest to its
// highest pixel, in a handful of points per column.
TEST(ReferenceChart, DensePointsKeepEachColumnsExtremes) {
    const ReferenceChart chart;
    ReferenceTrace reference;
    constexpr int Count = 1'000'000;
    for (int i = 0; i < Count; ++i)
        reference.points.push_back({30.0 * i / (Count - 1), (i % 7) - 3.0 + (i % 1000) / 1000.0});
    std::map<int, std::pair<int, int>> columns; // x: lowest and highest y
    for (const SamplePoint& point : reference.points) {
        const PixelPoint pixel = chart.at(point.time, point.value);
        auto [column, added] = columns.try_emplace(pixel.x, pixel.y, pixel.y);
        column->second.first = std::min(column->second.first, pixel.y);
        column->second.second = std::max(column->second.second, pixel.y);
    }
    const std::optional<TracePolyline> line = referencePolyline(chart.canvas, reference);
    ASSERT_TRUE(line);
    EXPECT_LE(line->points.size(), 4 * columns.size());
    std::map<int, std::pair<int, int>> drawn;
    for (const PixelPoint& pixel : line->points) {
        auto [column, added] = drawn.try_emplace(pixel.x, pixel.y, pixel.y);
        column->second.first = std::min(column->second.first, pixel.y);
        column->second.second = std::max(column->second.second, pixel.y);
    }
    EXPECT_EQ(drawn, columns);
}

TEST(ReferenceChart, TheSvgDrawsItUnderTheTrace) {
    const ReferenceChart chart;
    DrawList list = buildDrawList(chart.canvas);
    const std::string without = svgChart(list);
    EXPECT_EQ(without.find("class=\"reference\""), std::string::npos);
    list.references.push_back(*referencePolyline(chart.canvas, {{{0, 1}, {30, 1}}, false}));
    const std::string with = svgChart(list);
    EXPECT_LT(with.find("<polyline class=\"reference\""), with.find("<polyline class=\"trace\""));
    EXPECT_NE(with.find("stroke=\"#a0a0a0\""), std::string::npos);
}
