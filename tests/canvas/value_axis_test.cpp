#include "canvas/value_axis.h"

#include "canvas/axis_labels.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

std::vector<std::string> labels(const std::vector<ValueLine>& lines) {
    std::vector<std::string> result;
    for (const ValueLine& line : lines)
        result.push_back(line.label);
    return result;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(ValueAxis, ElevenLinesAtTheSameRowsForEveryOutputRange) {
    const std::vector<int> rows{24, 58, 91, 125, 158, 192, 226, 259, 293, 326, 360};
    for (int rangeCode = 0; rangeCode < 5; ++rangeCode) {
        Chart chart;
        applyOutputRange(*chart.trace, rangeCode);
        std::vector<int> ys;
        for (const ValueLine& line : layoutValueAxis(chart.canvas, *chart.trace))
            ys.push_back(line.y);
        EXPECT_EQ(ys, rows) << rangeCode;
    }
}

TEST(ValueAxis, LabelsOfTheOutputRanges) {
    struct Case {
        int rangeCode;
        const char* caption;
        Texts labels;
    };
    const Case cases[] = {
        {0,
         "OUTPUT[V]",
         {" +10.000", "  +8.000", "  +6.000", "  +4.000", "  +2.000", "  +0.000", "  -2.000",
          "  -4.000", "  -6.000", "  -8.000", " -10.000"}},
        {1,
         "OUTPUT[mV]",
         {"+100.000", " +80.000", " +60.000", " +40.000", " +20.000", "  +0.000", " -20.000",
          " -40.000", " -60.000", " -80.000", "-100.000"}},
        {2,
         "OUTPUT[mA]",
         {" +20.000", " +18.000", " +16.000", " +14.000", " +12.000", " +10.000", "  +8.000",
          "  +6.000", "  +4.000", "  +2.000", "  +0.000"}},
        {4,
         "OUTPUT[V]",
         {" +32.000", " +25.600", " +19.200", " +12.800", "  +6.400", "  +0.000", "  -6.400",
          " -12.800", " -19.200", " -25.600", " -32.000"}},
    };
    for (const Case& c : cases) {
        Chart chart;
        applyOutputRange(*chart.trace, c.rangeCode);
        EXPECT_EQ(traceCaption(*chart.trace), c.caption);
        EXPECT_EQ(labels(layoutValueAxis(chart.canvas, *chart.trace)), c.labels) << c.rangeCode;
    }
}

TEST(ValueAxis, ValuesAccumulateByRepeatedSubtraction) {
    Chart chart;
    applyOutputRange(*chart.trace, 4);
    const double middle = layoutValueAxis(chart.canvas, *chart.trace)[5].value;
    EXPECT_NE(middle, 0);
    EXPECT_LT(std::abs(middle), 1e-14);
}

TEST(ValueAxis, WideRangeSwitchesToTwoDecimals) {
    Chart chart;
    setRange(*chart.trace, -2000, 2000);
    const std::vector<ValueLine> lines = layoutValueAxis(chart.canvas, *chart.trace);
    EXPECT_EQ(lines.front().label, "+2000.00");
    EXPECT_EQ(lines[5].label, "   +0.00");
    EXPECT_EQ(lines.back().label, "-2000.00");
}

TEST(ValueAxis, EnormousRangeStaysDefined) {
    Chart chart;
    setRange(*chart.trace, -1e300, 1e300);
    const std::vector<ValueLine> lines = layoutValueAxis(chart.canvas, *chart.trace);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines.front().y, 24);
    EXPECT_EQ(lines.back().y, 360);
    setRange(*chart.trace, -1e308, 1e308); // width overflows to infinity
    EXPECT_EQ(layoutValueAxis(chart.canvas, *chart.trace).size(), 11u);
}
