#include "canvas/time_grid.h"

#include "canvas/axis_labels.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<int> xs(const std::vector<TimeGridLine>& lines) {
    std::vector<int> result;
    for (const TimeGridLine& line : lines)
        result.push_back(line.x);
    std::sort(result.begin(), result.end());
    return result;
}

// Labels from left to right.
std::vector<std::string> labels(const Canvas& canvas) {
    std::vector<TimeGridLine> lines = layoutTimeGrid(canvas);
    std::sort(lines.begin(), lines.end(), [](auto& a, auto& b) { return a.x < b.x; });
    std::vector<std::string> result;
    for (const TimeGridLine& line : lines)
        if (line.labelled)
            result.push_back(timeLabel(line.time, canvas.showHundredths));
    return result;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(TimeLabelInterval, OneLabelPerAboutEightDivisions) {
    Canvas canvas = initialCanvas(96);
    canvas.secondsPerDivision = 5;
    const std::pair<double, int> cases[] = {{50, 2}, {60, 2}, {30, 1}, {25, 1}, {80, 3}, {35, 2}};
    for (const auto& [span, every] : cases) {
        canvas.viewEnd = span;
        EXPECT_EQ(timeLabelInterval(canvas), every) << span;
    }
}

TEST(TimeGrid, EmptyListIn30sWindowIsAnchoredAtZero) {
    const Chart chart(Period30s);
    const std::vector<TimeGridLine> lines = layoutTimeGrid(chart.canvas);
    EXPECT_EQ(xs(lines), (std::vector<int>{70, 167, 264, 361, 457, 554}));
    EXPECT_EQ(lines.front().x, 70); // the anchor line comes first
    EXPECT_EQ(labels(chart.canvas),
              (Texts{"00:00:00", "00:00:05", "00:00:10", "00:00:15", "00:00:20", "00:00:25"}));
}

TEST(TimeGrid, SixtySecondWindowLabelsEverySecondLine) {
    Canvas canvas = initialCanvas(96);
    canvas.viewEnd = 60;
    canvas.secondsPerDivision = 5;
    EXPECT_EQ(layoutTimeGrid(canvas).size(), 12u);
    EXPECT_EQ(labels(canvas),
              (Texts{"00:00:00", "00:00:10", "00:00:20", "00:00:30", "00:00:40", "00:00:50"}));
}

TEST(TimeGrid, ShortSignalIsAnchoredAtItsEnd) {
    Chart chart(Period30s);
    chart.load(12.3, 0.1);
    EXPECT_EQ(xs(layoutTimeGrid(chart.canvas)), (std::vector<int>{115, 211, 308, 405, 502, 599}));
    EXPECT_EQ(labels(chart.canvas),
              (Texts{"00:00:02", "00:00:07", "00:00:12", "00:00:17", "00:00:22", "00:00:27"}));
}

TEST(TimeGrid, LongSignalShowsItsLastThirtySeconds) {
    Chart chart(Period30s);
    chart.load(100, 0.1);
    EXPECT_EQ(labels(chart.canvas),
              (Texts{"00:01:15", "00:01:20", "00:01:25", "00:01:30", "00:01:35", "00:01:40"}));
    chart.scroll(ScrollLineUp);
    EXPECT_EQ(labels(chart.canvas),
              (Texts{"00:01:13", "00:01:18", "00:01:23", "00:01:28", "00:01:33", "00:01:38"}));
}

TEST(TimeGrid, HundredthsAccumulateAndTruncate) {
    Chart chart(Period100ms);
    chart.load(0.15, 0.01);
    EXPECT_EQ(chart.canvas.viewStart, 0.04999999999999999);
    EXPECT_EQ(labels(chart.canvas),
              (Texts{"00:00:00.07", "00:00:00.09", "00:00:00.10", "00:00:00.12", "00:00:00.15"}));
    // The line at nominal 0.05 s falls on the left edge and is not drawn.
    EXPECT_EQ(xs(layoutTimeGrid(chart.canvas)).front(), 128);
}

TEST(TimeGrid, DayLongSignalWrapsAtMidnight) {
    Chart chart(Period24h);
    chart.load(86400, 1);
    const std::vector<TimeGridLine> lines = layoutTimeGrid(chart.canvas);
    EXPECT_EQ(lines.front().x, 651);
    EXPECT_EQ(lines.size(), 12u); // 2 … 24 h: the line for 0 s falls on the left edge
    EXPECT_EQ(labels(chart.canvas),
              (Texts{"04:00:00", "08:00:00", "12:00:00", "16:00:00", "20:00:00", "00:00:00"}));
}

TEST(TimeGrid, NothingForAnEmptyWindowOrATooFineDivision) {
    Canvas canvas = initialCanvas(96);
    canvas.secondsPerDivision = 5;
    EXPECT_TRUE(layoutTimeGrid(canvas).empty());
    canvas.viewEnd = 1;
    canvas.secondsPerDivision = 0.0099;
    EXPECT_TRUE(layoutTimeGrid(canvas).empty());
    canvas.secondsPerDivision = 0.01;
    EXPECT_EQ(layoutTimeGrid(canvas).size(), 100u);
}

// A step lost in the rounding of a huge time would otherwise never leave the view.
TEST(TimeGrid, StepTooSmallForTheTimeEndsTheWalk) {
    Canvas canvas = initialCanvas(96);
    canvas.viewStart = 1e20;
    canvas.viewEnd = 1e20 + 1e6;
    canvas.gridAnchor = 1e20;
    canvas.secondsPerDivision = 0.01;
    EXPECT_LE(layoutTimeGrid(canvas).size(), 2u);
}
