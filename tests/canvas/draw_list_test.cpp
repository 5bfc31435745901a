#include "canvas/draw_list.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

TEST(DrawList, EmptyWindowDrawsOnlyTheBackground) {
    Canvas canvas = initialCanvas(96);
    TracePoints origin;
    origin.appendPoint(0, 0);
    rangedTrace(canvas, -10, 10)->points = &origin;
    const DrawList list = buildDrawList(canvas);
    EXPECT_EQ(list.background, (PixelRect{0, 0, 700, 400}));
    EXPECT_EQ(list.backgroundColour, 0u);
    EXPECT_FALSE(list.showsView);
    EXPECT_TRUE(list.timeGrid.lines.empty());
    EXPECT_FALSE(list.valueAxis.has_value());
    EXPECT_TRUE(list.traces.empty());
}

TEST(DrawList, StartUpLook) {
    const Chart chart(Period30s);
    const DrawList list = buildDrawList(chart.canvas);
    ASSERT_TRUE(list.showsView);
    EXPECT_EQ(list.frame, (PixelRect{69, 22, 666, 362}));
    EXPECT_EQ(list.framePen, (Pen{PenStyle::Solid, 1, 0x00FFFFFF}));
    EXPECT_EQ(list.fontHeight, 14);

    EXPECT_EQ(list.divisionCaption.text, "5 sec/div");
    EXPECT_EQ(list.divisionCaption.rect, (PixelRect{560, 0, 665, 24}));
    EXPECT_EQ(list.divisionCaption.format, TextSingleLine | TextVCenter | TextRight);
    EXPECT_EQ(list.divisionCaption.colour, 0x00FFFFFFu);

    EXPECT_EQ(list.timeGrid.pen, (Pen{PenStyle::Dotted, 1, 0x00808080}));
    ASSERT_EQ(list.timeGrid.lines.size(), 6u);
    EXPECT_EQ(list.timeGrid.lines[0].from, (PixelPoint{70, 24}));
    EXPECT_EQ(list.timeGrid.lines[0].to, (PixelPoint{70, 360}));
    ASSERT_EQ(list.timeGrid.labels.size(), 6u);
    EXPECT_EQ(list.timeGrid.labels[0].text, "00:00:00");
    EXPECT_EQ(list.timeGrid.labels[0].rect, (PixelRect{0, 382, 140, 400}));
    EXPECT_EQ(list.timeGrid.labels[0].format, TextSingleLine | TextCenter | TextTop);

    ASSERT_TRUE(list.valueAxis.has_value());
    const ValueAxis& axis = *list.valueAxis;
    EXPECT_EQ(axis.pen, (Pen{PenStyle::Dotted, 1, 0x00287F7F}));
    EXPECT_EQ(axis.caption.text, "OUTPUT[V]");
    EXPECT_EQ(axis.caption.rect, (PixelRect{70, 0, 350, 24}));
    EXPECT_EQ(axis.caption.format, TextSingleLine | TextVCenter);
    EXPECT_EQ(axis.caption.colour, 0x0050FFFFu);
    ASSERT_EQ(axis.lines.size(), 11u);
    EXPECT_EQ(axis.lines[0].from, (PixelPoint{70, 24}));
    EXPECT_EQ(axis.lines[0].to, (PixelPoint{665, 24}));
    EXPECT_EQ(axis.labels.front().text, " +10.000");
    EXPECT_EQ(axis.labels.back().text, " -10.000");
    EXPECT_EQ(axis.labels.back().rect, (PixelRect{7, 347, 70, 373}));
    EXPECT_EQ(axis.labels.back().colour, 0x0050FFFFu);

    // The single synthesized point: a move with no line.
    ASSERT_EQ(list.traces.size(), 1u);
    EXPECT_EQ(list.traces[0].pen, (Pen{PenStyle::Solid, 1, 0x0050FFFF}));
    EXPECT_EQ(list.traces[0].points, (std::vector<PixelPoint>{{70, 192}}));
}

TEST(DrawList, InvisibleAxisTraceKeepsItsScale) {
    Chart chart(Period30s);
    chart.trace->visible = false;
    const DrawList list = buildDrawList(chart.canvas);
    EXPECT_TRUE(list.valueAxis.has_value());
    EXPECT_TRUE(list.traces.empty());
}

TEST(DrawList, ScalesWithTheDpi) {
    Canvas canvas = initialCanvas(120);
    RecordingEffects effects;
    configureOutputCanvas(canvas, effects);
    const DrawList list = buildDrawList(canvas);
    EXPECT_EQ(list.fontHeight, 17);
    EXPECT_EQ(list.timeGrid.lines[0].from, (PixelPoint{87, 30}));
    EXPECT_EQ(list.timeGrid.lines[0].to, (PixelPoint{87, 450}));
}

TEST(DrawList, ClippedStretchesOfTheAxisTraceInRedAfterTheTraces) {
    Chart chart(Period30s);
    chart.samples.appendPoint(1, 12);
    const DrawList list = buildDrawList(chart.canvas);
    ASSERT_EQ(list.clipped.size(), 1u);
    EXPECT_EQ(list.clipped[0].pen, (Pen{PenStyle::Solid, 2, 0x000000FF}));
    chart.trace->visible = false;
    EXPECT_TRUE(buildDrawList(chart.canvas).clipped.empty());
}
