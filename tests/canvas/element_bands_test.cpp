#include "canvas/element_bands.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

TEST(ElementBands, BandCutToThePlotArea) {
    const Chart chart(Period30s); // 0 … 30 s over columns 70 … 651
    struct Case {
        ElementSpan span;
        std::optional<PixelRect> rect;
    };
    const Case cases[] = {
        {{2, 5}, PixelRect{109, 24, 167, 360}},
        {{-5, 2}, PixelRect{70, 24, 109, 360}},
        {{25, 40}, PixelRect{554, 24, 651, 360}},
        {{31, 40}, std::nullopt},
        {{3, 3}, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<FilledRect> band = elementBand(chart.canvas, c.span);
        EXPECT_EQ(band.has_value(), c.rect.has_value()) << c.span.start;
        if (band && c.rect) {
            EXPECT_EQ(band->rect, *c.rect) << c.span.start;
            EXPECT_EQ(band->colour, ElementBandColour);
        }
    }
}

TEST(ElementBands, ElementUnderTheMouse) {
    const Chart chart(Period30s);
    const std::vector<ElementSpan> spans{{0, 2}, {2, 5}};
    const std::pair<int, int> cases[] = {{69, -1}, {70, 0}, {108, 0}, {109, 1}, {300, -1}};
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
    EXPECT_EQ(chart.effects.repaints, 1);
}
