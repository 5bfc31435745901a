#include "canvas/plot_geometry.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(PlotArea, FollowsTheCanvasSize) {
    EXPECT_EQ(plotArea(700, 400), (PlotArea{70, 24, 651, 360}));
    EXPECT_EQ(plotArea(875, 500), (PlotArea{87, 30, 813, 450}));
    // 1 − 0.07 is just below 0.93: 0.93 × 1000 would give 930.
    EXPECT_EQ(plotArea(1000, 400).right, 929);
}

TEST(PlotArea, RectanglesAt96Dpi) {
    EXPECT_EQ(frameRect(700, 400), (PixelRect{69, 22, 666, 362}));
    EXPECT_EQ(valueLineRight(700), 665);
    EXPECT_EQ(traceCaptionRect(700, 400), (PixelRect{70, 0, 350, 24}));
    EXPECT_EQ(divisionCaptionRect(700, 400), (PixelRect{560, 0, 665, 24}));
    EXPECT_EQ(valueLabelRect(700, 400, 192), (PixelRect{7, 179, 70, 205}));
    EXPECT_EQ(timeLabelRect(700, 400, 308), (PixelRect{238, 382, 378, 400}));
}

TEST(LabelFontHeight, ScalesWithTheSmallerSide) {
    EXPECT_EQ(labelFontHeight(700, 400), 14);
    EXPECT_EQ(labelFontHeight(875, 500), 17);
    EXPECT_EQ(labelFontHeight(1050, 600), 21);
    EXPECT_EQ(labelFontHeight(1400, 400), 14);
}

TEST(GridColour, HalvesEachByte) {
    EXPECT_EQ(gridColour(0x0050FFFF), 0x00287F7Fu);
    EXPECT_EQ(gridColour(0x00FFFFFF), 0x007F7F7Fu);
    EXPECT_EQ(gridColour(0x00010101), 0u);
}

namespace {

struct View {
    Canvas canvas = initialCanvas(96);
    Trace* trace = rangedTrace(canvas, -10, 10);
    View() {
        canvas.viewStart = 0;
        canvas.viewEnd = 30;
    }
};

} // namespace

TEST(TimeToX, RoundsHalfUpAndDoesNotClamp) {
    const View view;
    const std::pair<double, int> cases[] = {{0, 70},     {5, 167},  {30, 651},
                                            {12.3, 308}, {-5, -26}, {60, 1232}};
    for (const auto& [t, x] : cases)
        EXPECT_EQ(timeToX(view.canvas, t), x) << t;
}

TEST(ValueToY, GridLinesAreUnclampedTracePointsClamped) {
    const View view;
    EXPECT_EQ(valueToY(view.canvas, *view.trace, 10), 24);
    EXPECT_EQ(valueToY(view.canvas, *view.trace, 0), 192);
    EXPECT_EQ(valueToY(view.canvas, *view.trace, -10), 360);
    EXPECT_EQ(valueToY(view.canvas, *view.trace, 20), -144);
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, 20), 24);
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, -20), 360);
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, 2), valueToY(view.canvas, *view.trace, 2));
}

// Settings files may carry enormous or non-finite values: no conversion may overflow.
TEST(PixelMapping, ExtremeNumbersStayDefined) {
    View view;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, 1e300), 24);
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, inf), 24);
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, -1e300), 360);
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, -inf), 360);
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, nan), 360);
    EXPECT_LT(valueToY(view.canvas, *view.trace, 1e300), 24);
    EXPECT_GT(valueToY(view.canvas, *view.trace, -1e300), 360);
    EXPECT_GT(timeToX(view.canvas, 1e300), 651);
    EXPECT_LT(timeToX(view.canvas, -inf), 70);
    EXPECT_EQ(timeToX(view.canvas, nan), 70);
    view.trace->minValue = -1e308;
    view.trace->maxValue = 1e308; // the width overflows to infinity
    EXPECT_EQ(clampedValueToY(view.canvas, *view.trace, 1e308), 360);
    view.canvas.viewEnd = view.canvas.viewStart; // no window at all
    EXPECT_EQ(timeToX(view.canvas, 5), 70 + 1'000'000);
}

TEST(TimeAtX, InvertsTimeToXOverThePlotColumnsOnly) {
    View view;
    const std::pair<int, double> cases[] = {{70, 0}, {167, 97 * 30.0 / 581}, {651, 30}};
    for (const auto& [x, t] : cases) {
        EXPECT_DOUBLE_EQ(timeAtX(view.canvas, x).value(), t) << x;
        EXPECT_EQ(timeToX(view.canvas, t), x) << x;
    }
    EXPECT_FALSE(timeAtX(view.canvas, 69).has_value());
    EXPECT_FALSE(timeAtX(view.canvas, 652).has_value());
    view.canvas.viewEnd = view.canvas.viewStart;
    EXPECT_FALSE(timeAtX(view.canvas, 100).has_value());
}
