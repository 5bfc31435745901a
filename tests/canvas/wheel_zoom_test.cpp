#include "canvas/wheel_zoom.h"

#include "canvas/plot_geometry.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

TEST(WheelZoom, OneEntryPerNotchWithinTheList) {
    const Chart chart(Period30s);
    // position, notches, next position; -1 is not in the list and stands for 30 s.
    const std::tuple<int, int, int> cases[] = {{4, 1, 3},    {4, -2, 6}, {0, 1, 0},
                                               {12, -1, 12}, {4, 99, 0}, {-1, 1, 3}};
    for (const auto& [position, steps, next] : cases)
        EXPECT_EQ(wheelZoom(chart.canvas, position, steps, 300).position, next)
            << position << steps;
}

TEST(WheelZoom, TheTimeUnderTheMouseKeepsItsColumn) {
    Chart chart(Period30s);
    chart.load(120, 0.1); // shown at its end: 90 … 120
    for (int x : {70, 360, 500}) {
        Chart zoomed = chart;
        const double mouseTime = timeAtX(chart.canvas, x).value();
        applyWheelZoom(zoomed.canvas, wheelZoom(zoomed.canvas, Period30s, 1, x), zoomed.effects);
        EXPECT_EQ(zoomed.canvas.displaySpan, 10);
        EXPECT_NEAR(timeToX(zoomed.canvas, mouseTime), x, 1) << x;
    }
    // Zooming out at the right edge cannot keep 120 s there past the signal's end.
    applyWheelZoom(chart.canvas, wheelZoom(chart.canvas, Period30s, -1, 651), chart.effects);
    EXPECT_EQ(chart.canvas.viewStart, 60);
}
