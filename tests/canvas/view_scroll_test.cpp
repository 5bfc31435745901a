#include "canvas/view_scroll.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(SetView, EmptyListResetsTheScrollAndShowsTheWindowFromZero) {
    Chart chart(Period30s);
    setView(chart.canvas, 0, 30, 0, chart.effects);
    EXPECT_EQ(chart.canvas.viewStart, 0);
    EXPECT_EQ(chart.canvas.viewEnd, 30);
    EXPECT_EQ(chart.canvas.gridAnchor, 0);
    EXPECT_EQ(chart.effects.pushedPos, 0);
    EXPECT_EQ(chart.effects.pushedPage, 10000);
    EXPECT_EQ(chart.effects.pushes, 1);
    EXPECT_EQ(chart.effects.repaints, 1);
}

TEST(SetView, WithoutDisplaySpanTakesTheArgumentsAndMovesAStrayAnchorToTheEnd) {
    RecordingEffects effects;
    Canvas canvas = initialCanvas(96);
    setView(canvas, 10, 20, 25, effects);
    EXPECT_EQ(canvas.viewStart, 10);
    EXPECT_EQ(canvas.viewEnd, 20);
    EXPECT_EQ(canvas.gridAnchor, 20);
    setView(canvas, 10, 20, 5, effects);
    EXPECT_EQ(canvas.gridAnchor, 20);
    setView(canvas, 10, 20, 12, effects);
    EXPECT_EQ(canvas.gridAnchor, 12);
    EXPECT_EQ(effects.pushes, 0);
    EXPECT_EQ(effects.repaints, 3);
    setView(canvas, 20, 20, 20, effects);
    EXPECT_EQ(canvas.viewStart, 10);
    EXPECT_EQ(effects.repaints, 3);
}

TEST(UpdateViewFromScroll, ShortSignalFitsWithTheGridThroughItsEnd) {
    Chart chart(Period30s);
    chart.load(12.3, 0.1);
    EXPECT_EQ(chart.canvas.viewStart, 0);
    EXPECT_EQ(chart.canvas.viewEnd, 30);
    EXPECT_EQ(chart.canvas.gridAnchor, 12.3);
    EXPECT_EQ(chart.canvas.scrollPage, 10000);
    EXPECT_EQ(chart.canvas.scrollPos, 0);
    EXPECT_EQ(chart.effects.pushes, 1);
    EXPECT_EQ(chart.effects.repaints, 1);
}

TEST(UpdateViewFromScroll, SignalOutgrowingTheWindowIsFollowedToItsEnd) {
    Chart chart(Period30s);
    chart.load(100, 0.1);
    EXPECT_EQ(chart.canvas.viewStart, 70);
    EXPECT_EQ(chart.canvas.viewEnd, 100);
    EXPECT_EQ(chart.canvas.gridAnchor, 100);
    EXPECT_EQ(chart.canvas.scrollPage, 3000);
    EXPECT_EQ(chart.canvas.scrollPos, 6999);
    EXPECT_EQ(chart.effects.pushedPos, 6999);
    EXPECT_EQ(chart.canvas.lastAppliedPos, 6999);
    EXPECT_EQ(chart.canvas.lastAppliedSpan, 30);
}

TEST(UpdateViewFromScroll, ScrollingBackKeepsTheStartAcrossChanges) {
    Chart chart(Period30s);
    chart.load(100, 0.1);
    chart.effects.forget();

    chart.scroll(ScrollLineUp);
    EXPECT_EQ(chart.canvas.scrollPos, 6812);
    EXPECT_DOUBLE_EQ(chart.canvas.viewStart, 68.12);
    EXPECT_DOUBLE_EQ(chart.canvas.viewEnd, 98.12);
    EXPECT_EQ(chart.canvas.gridAnchor, chart.canvas.viewEnd);
    EXPECT_EQ(chart.effects.pushes, 1); // by the request itself, not by the update
    EXPECT_EQ(chart.effects.repaints, 1);

    // A data change keeps the window and recomputes the scroll state (nothing moved).
    const double start = chart.canvas.viewStart;
    setView(chart.canvas, 0, chart.canvas.displaySpan, 0, chart.effects);
    EXPECT_EQ(chart.canvas.viewStart, start);
    EXPECT_EQ(chart.canvas.scrollPos, 6812);
    EXPECT_EQ(chart.canvas.scrollPage, 3000);

    // A longer display period keeps the start and may reach past the data.
    applyDisplayPeriod(chart.canvas, Period60s, chart.effects);
    EXPECT_EQ(chart.canvas.viewStart, start);
    EXPECT_DOUBLE_EQ(chart.canvas.viewEnd, 128.12);
    EXPECT_EQ(chart.canvas.scrollPage, 6000);
    EXPECT_EQ(chart.canvas.scrollPos, 6812);

    chart.effects.forget();
    chart.scroll(ScrollLineDown); // 6812 + 6000 ≥ 9999 counts as the end
    EXPECT_EQ(chart.effects.pushes, 0);
    EXPECT_EQ(chart.effects.repaints, 0);
    EXPECT_EQ(chart.canvas.scrollPos, 6812);

    chart.scroll(ScrollLineUp); // 6437, clamped to 3999: the end of the data
    EXPECT_EQ(chart.canvas.scrollPos, 3999);
    EXPECT_EQ(chart.canvas.viewStart, 40);
    EXPECT_EQ(chart.canvas.viewEnd, 100);
    EXPECT_EQ(chart.canvas.gridAnchor, 100);
}

TEST(ApplyScrollAction, StepsOfEachRequestFromTheMiddle) {
    struct Case {
        int code;
        int thumb;
        int pos;
    };
    // Page 3000: line step 187, page step 2000.
    const Case cases[] = {
        {ScrollLineUp, 0, 3813},
        {ScrollLineDown, 0, 4187},
        {ScrollPageUp, 0, 2000},
        {ScrollPageDown, 0, 6000},
        {ScrollThumbPosition, 1234, 1234},
        {ScrollThumbTrack, 5000, 5000},
        {ScrollTop, 0, 0},
        {ScrollBottom, 0, 6999},
        {ScrollThumbTrack, 9000, 6999},
    };
    for (const Case& c : cases) {
        Chart chart(Period30s);
        chart.load(100, 0.1);
        chart.scroll(ScrollThumbTrack, 4000);
        chart.scroll(c.code, c.thumb);
        EXPECT_EQ(chart.canvas.scrollPos, c.pos) << c.code;
        EXPECT_DOUBLE_EQ(chart.canvas.viewStart, c.pos == 6999 ? 70 : c.pos / 100.0) << c.code;
    }
}

TEST(ApplyScrollAction, RequestsThatCannotMoveChangeNothing) {
    struct Case {
        int code;
        int fromPos; // -1: stay where the load left the view
    };
    const Case cases[] = {{ScrollEnded, 4000}, {ScrollEnded, -1},    {9, 4000},
                          {-1, 4000},          {ScrollLineUp, 0},    {ScrollPageUp, 0},
                          {ScrollTop, 0},      {ScrollLineDown, -1}, {ScrollPageDown, -1},
                          {ScrollBottom, -1}};
    for (const Case& c : cases) {
        Chart chart(Period30s);
        chart.load(100, 0.1);
        if (c.fromPos >= 0)
            chart.scroll(ScrollThumbTrack, c.fromPos);
        const Canvas before = chart.canvas;
        chart.effects.forget();
        chart.scroll(c.code);
        EXPECT_EQ(chart.effects.pushes, 0) << c.code;
        EXPECT_EQ(chart.effects.repaints, 0) << c.code;
        EXPECT_EQ(chart.canvas.scrollPos, before.scrollPos) << c.code;
        EXPECT_EQ(chart.canvas.viewStart, before.viewStart) << c.code;
        EXPECT_EQ(chart.canvas.lastAppliedPos, before.lastAppliedPos) << c.code;
    }
}

TEST(ApplyScrollAction, ArrowsWhileTheSignalFitsDoNotRepaint) {
    Chart chart(Period30s);
    chart.load(12.3, 0.1);
    chart.effects.forget();
    for (int code :
         {ScrollLineUp, ScrollLineDown, ScrollPageUp, ScrollPageDown, ScrollTop, ScrollBottom})
        chart.scroll(code);
    EXPECT_EQ(chart.effects.repaints, 0);
    EXPECT_EQ(chart.canvas.viewEnd, 30);
}

TEST(ApplyScrollAction, FullPageThumbKeepsPositionZero) {
    Chart chart(Period30s);
    chart.load(12.3, 0.1);
    chart.scroll(ScrollThumbTrack, 0);
    EXPECT_EQ(chart.effects.pushedPos, 0);
    EXPECT_EQ(chart.canvas.scrollPos, 0);
}

TEST(ApplyScrollAction, ShortWindowOverADayLongSignal) {
    Chart chart(Period5s);
    chart.load(86400, 1);
    EXPECT_EQ(chart.canvas.scrollPage, 0);
    EXPECT_EQ(chart.canvas.scrollPos, 9999);

    chart.scroll(ScrollThumbTrack, 5000);
    EXPECT_DOUBLE_EQ(chart.canvas.viewStart, 43200);
    chart.effects.forget();
    for (int code : {ScrollLineUp, ScrollLineDown, ScrollPageUp, ScrollPageDown})
        chart.scroll(code); // the step is a fraction of a page of 0: no move
    EXPECT_EQ(chart.effects.repaints, 0);
    EXPECT_EQ(chart.canvas.scrollPos, 5000);

    chart.scroll(ScrollThumbTrack, 5001);
    EXPECT_DOUBLE_EQ(chart.canvas.viewStart, 43208.64);
    chart.scroll(ScrollTop);
    EXPECT_EQ(chart.canvas.viewStart, 0);
    chart.scroll(ScrollBottom);
    EXPECT_EQ(chart.canvas.viewEnd, 86400);

    applyDisplayPeriod(chart.canvas, Period60s, chart.effects);
    EXPECT_EQ(chart.canvas.scrollPage, 6);
    chart.scroll(ScrollThumbTrack, 100);
    chart.effects.forget();
    chart.scroll(ScrollLineDown); // 6 / 16 = 0
    EXPECT_EQ(chart.effects.repaints, 0);
    chart.scroll(ScrollPageDown); // 2 × 6 / 3 = 4
    EXPECT_EQ(chart.canvas.scrollPos, 104);
    EXPECT_EQ(chart.effects.repaints, 1);
}

TEST(UpdateViewFromScroll, NothingWithoutSpanOrWithoutSpreadData) {
    Chart chart(Period30s);
    chart.canvas.displaySpan = 0;
    chart.load(100, 0.1); // setView(0, 0, 0) asks for an empty window: nothing changes
    EXPECT_EQ(chart.effects.pushes + chart.effects.repaints, 0);
    EXPECT_EQ(chart.canvas.viewEnd, 30);
    updateViewFromScroll(chart.canvas, false, chart.effects);
    EXPECT_EQ(chart.effects.pushes + chart.effects.repaints, 0);

    chart.canvas.displaySpan = 30;
    chart.samples.clearPoints();
    chart.samples.appendPoint(5, 1);
    chart.samples.appendPoint(5, 2);
    updateViewFromScroll(chart.canvas, false, chart.effects);
    EXPECT_EQ(chart.effects.pushes + chart.effects.repaints, 0);
}

TEST(ShowViewFrom, StartKeptWithinTheSignal) {
    // start, view start, scroll position: past the end follows the end.
    const std::tuple<double, double, int> cases[] = {
        {10, 10, 1666}, {-3, 0, 0}, {56, 55, 9166}, {std::nan(""), 55, 9166}};
    for (const auto& [start, viewStart, pos] : cases) {
        Chart chart(Period5s);
        chart.load(60, 0.1);
        showViewFrom(chart.canvas, start, chart.effects);
        EXPECT_DOUBLE_EQ(chart.canvas.viewStart, viewStart) << start;
        EXPECT_DOUBLE_EQ(chart.canvas.viewEnd, viewStart + 5) << start;
        EXPECT_EQ(chart.effects.pushedPos, pos) << start;
    }
}
