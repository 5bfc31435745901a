#include "canvas/cursor_readout.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

TEST(CursorReadout, TimeSampleAndText) {
    Chart chart(Period30s); // 0 … 30 s over columns 70 … 651
    chart.load(12.3, 0.1);  // values 0, 1, 0, 1, …
    chart.samples.appendPoint(20, 12);
    chart.samples.appendPoint(25, 0);
    const std::tuple<int, int, const char*> cases[] = {
        {69, -1, ""},
        {169, 51, "00:00:05.112  +1.000 V"},
        {465, 124, "00:00:20.396  +12.000 V"}, // a clipped point holds: red
        {651, -1, "00:00:30.000  信号なし"},
    };
    for (const auto& [x, sample, text] : cases) {
        const CursorReadout readout = cursorReadout(chart.canvas, x, Language::Japanese);
        EXPECT_EQ(readout.sampleIndex, sample) << x;
        EXPECT_EQ(readout.text, text) << x;
        EXPECT_EQ(cursorOverlay(chart.canvas, x, Language::Japanese).has_value(), x != 69) << x;
        EXPECT_EQ(readout.clipped, sample == 124) << x;
    }
    const CursorOverlay cursor = cursorOverlay(chart.canvas, 465, Language::Japanese).value();
    EXPECT_EQ(cursor.line.from, (PixelPoint{465, 24}));
    EXPECT_EQ(cursor.line.to, (PixelPoint{465, 360}));
    EXPECT_EQ(cursor.readout.rect, (PixelRect{350, 0, 560, 24}));
    EXPECT_EQ(cursor.readout.colour, 0x000000FFu);
    chart.canvas.viewStart = -5; // before the signal's start
    EXPECT_EQ(cursorReadout(chart.canvas, 70, Language::Japanese).text, "23:59:55.000  信号なし");
    EXPECT_EQ(cursorReadout(chart.canvas, 70, Language::English).text, "23:59:55.000  No signal");
}

TEST(CursorReadout, RepaintsOnlyTheLinesAndTheReadout) {
    const Chart chart(Period30s);
    const PixelRect readout{350, 0, 560, 24};
    const PixelRect at100{100, 24, 101, 360};
    const PixelRect at105{105, 24, 106, 360};
    EXPECT_EQ(cursorRepaintRects(chart.canvas, 100, 105),
              (std::vector<PixelRect>{at100, at105, readout}));
    EXPECT_EQ(cursorRepaintRects(chart.canvas, 100, 700), (std::vector<PixelRect>{at100, readout}));
    EXPECT_TRUE(cursorRepaintRects(chart.canvas, -1, 0).empty());
}
