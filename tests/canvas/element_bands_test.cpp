#include "canvas/element_bands.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

TEST(ElementBands, BandCutToThePlotArea) {
    const Chart chart(Period30s); // 0 … 30 s over columns 70 … 651
    EXPECT_EQ(elementBand(chart.canvas, {2, 5}),
              (FilledRect{{109, 24, 167, 360}, ElementBandColour}));
    EXPECT_EQ(elementBand(chart.canvas, {-5, 40}),
              (FilledRect{{70, 24, 651, 360}, ElementBandColour}));
    EXPECT_FALSE(elementBand(chart.canvas, {31, 40}).has_value());
    EXPECT_FALSE(elementBand(chart.canvas, {3, 3}).has_value());
}

TEST(ElementBands, ElementUnderTheMouse) {
    const Chart chart(Period30s);
    const std::vector<ElementSpan> spans{{0, 2}, {2, 5}};
    const std::pair<int, int> cases[] = {{69, -1}, {108, 0}, {109, 1}, {300, -1}};
    for (const auto& [x, element] : cases)
        EXPECT_EQ(elementAtX(chart.canvas, spans, x), element) << x;
}

TEST(ElementBands, RevealScrollsOnlyForATimeOutOfView) {
    Chart chart(Period5s);
    chart.load(60, 0.1); // shown at its end: 55 … 60
    chart.effects.forget();
    revealTime(chart.canvas, 57, chart.effects);
    EXPECT_EQ(chart.effects.repaints, 0);
    revealTime(chart.canvas, 10, chart.effects);
    EXPECT_EQ(chart.canvas.viewStart, 10);
}
