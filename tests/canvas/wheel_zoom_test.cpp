#include "canvas/wheel_zoom.h"

#include "canvas/plot_geometry.h"
#include "chart_fixture.h"

#include <gtest/gtest.h>

TEST(WheelZoom, OneEntryPerNotchWithinTheList) {
    const Chart chart(Period30s);
    struct Case {
        int position, steps, next;
    };
    const Case cases[] = {{4, 1, 3},    {4, -1, 5}, {4, 2, 2},    {0, 1, 0},
                          {12, -1, 12}, {4, 99, 0}, {4, -99, 12}, {-1, 1, 3}};
    for (const Case& c : cases)
        EXPECT_EQ(wheelZoom(chart.canvas, c.position, c.steps, 300).position, c.next)
            << c.position << " " << c.steps;
}

TEST(WheelZoom, TheTimeUnderTheMouseKeepsItsColumn) {
    Chart chart(Period30s);
    chart.load(120, 0.1); // shown at its end: 90 … 120
    for (int x : {70, 200, 360, 500}) {
        Chart zoomed = chart;
        const double mouseTime = timeAtX(chart.canvas, x).value();
        const WheelZoom zoom = wheelZoom(zoomed.canvas, Period30s, 1, x);
        applyWheelZoom(zoomed.canvas, zoom, zoomed.effects);
        EXPECT_EQ(zoomed.canvas.displaySpan, 10);
        EXPECT_NEAR(timeToX(zoomed.canvas, mouseTime), x, 1) << x;
    }
    // Zooming out at the right edge cannot keep 120 s in place past the signal's end.
    applyWheelZoom(chart.canvas, wheelZoom(chart.canvas, Period30s, -1, 651), chart.effects);
    EXPECT_EQ(chart.canvas.viewStart, 60);
    EXPECT_EQ(chart.canvas.viewEnd, 120);
}

TEST(WheelZoom, ShiftScrollsLikeTheArrows) {
    EXPECT_EQ(shiftWheelScrollCode(1), ScrollLineUp);
    EXPECT_EQ(shiftWheelScrollCode(-1), ScrollLineDown);
}
