#include "canvas/cursor_readout.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

TEST(CursorReadout, TimeSampleAndText) {
    Chart chart(Period30s); // 0 … 30 s over columns 70 … 651
    chart.load(12.3, 0.1);  // values 0, 1, 0, 1, …
    chart.trace->points.appendPoint(20, 12);
    chart.trace->points.appendPoint(25, 0);
    struct Case {
        int x;
        bool inPlot;
        int sample;
        const char* text;
    };
    const Case cases[] = {
        {69, false, -1, ""},
        {70, true, 0, "00:00:00.000  +0.000 V"},
        {169, true, 51, "00:00:05.112  +1.000 V"},
        {300, true, 118, "00:00:11.876  +0.000 V"},
        {465, true, 124, "00:00:20.396  +12.000 V"}, // a clipped point holds
        {651, true, -1, "00:00:30.000  信号なし"},
    };
    for (const Case& c : cases) {
        const CursorReadout readout = cursorReadout(chart.canvas, c.x);
        EXPECT_EQ(readout.inPlot, c.inPlot) << c.x;
        EXPECT_EQ(readout.sampleIndex, c.sample) << c.x;
        EXPECT_EQ(readout.text, c.text) << c.x;
        EXPECT_EQ(readout.clipped, c.sample == 124) << c.x;
    }
    chart.canvas.viewStart = -5; // before the signal's start
    EXPECT_EQ(cursorReadout(chart.canvas, 70).text, "23:59:55.000  信号なし");
}

TEST(CursorReadout, OverlayLineAndReadoutBox) {
    Chart chart(Period30s);
    chart.trace->points.appendPoint(1, 12);
    chart.trace->points.appendPoint(2, 0);
    EXPECT_FALSE(cursorOverlay(chart.canvas, 652).has_value());
    const CursorOverlay cursor = cursorOverlay(chart.canvas, 100).value();
    EXPECT_EQ(cursor.pen, (Pen{PenStyle::Solid, 1, 0x00C0C0C0}));
    EXPECT_EQ(cursor.line.from, (PixelPoint{100, 24}));
    EXPECT_EQ(cursor.line.to, (PixelPoint{100, 360}));
    EXPECT_EQ(cursor.readout.rect, (PixelRect{350, 0, 560, 24}));
    EXPECT_EQ(cursor.readout.format, TextSingleLine | TextCenter | TextVCenter);
    EXPECT_EQ(cursor.readout.colour, 0x000000FFu); // the clipped point at 1 s holds
    EXPECT_EQ(cursorOverlay(chart.canvas, 70)->readout.colour, 0x00FFFFFFu);
}

TEST(CursorReadout, RepaintsOnlyTheLinesAndTheReadout) {
    const Chart chart(Period30s);
    const PixelRect readout{350, 0, 560, 24};
    const PixelRect at100{100, 24, 101, 360};
    const PixelRect at105{105, 24, 106, 360};
    struct Case {
        int from, to;
        std::vector<PixelRect> rects;
    };
    const Case cases[] = {
        {100, 105, {at100, at105, readout}},
        {-1, 105, {at105, readout}},
        {100, 700, {at100, readout}},
        {100, 100, {at100, readout}},
        {-1, 0, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cursorRepaintRects(chart.canvas, c.from, c.to), c.rects) << c.from << " " << c.to;
}
