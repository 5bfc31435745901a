#include "canvas/canvas_setup.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

TEST(ConfigureOutputCanvas, LightYellowVoltTraceAndTheListsFirstPeriod) {
    Canvas canvas = initialCanvas(96);
    RecordingEffects effects;
    const Trace* trace = &configureOutputCanvas(canvas, effects);
    EXPECT_EQ(trace->minValue, -10);
    EXPECT_EQ(trace->maxValue, 10);
    EXPECT_EQ(trace->unit, "V");
    EXPECT_EQ(trace->colour, 0x0050FFFFu);
    EXPECT_EQ(canvas.secondsPerDivision, 5);
    EXPECT_EQ(canvas.displaySpan, 30);
    EXPECT_FALSE(canvas.showHundredths);
    EXPECT_EQ(canvas.viewEnd, 30);
    EXPECT_EQ(effects.repaints, 1);
}

TEST(ApplyOutputRange, RangeAndUnitOfEachCode) {
    struct Case {
        int code;
        double min, max;
        const char* unit;
    };
    const Case cases[] = {{-1, -10, 10, "V"}, {0, -10, 10, "V"}, {1, -100, 100, "mV"},
                          {2, 0, 20, "mA"},   {3, 0, 20, "mA"},  {4, -32, 32, "V"},
                          {99, -10, 10, "V"}};
    for (const Case& c : cases) {
        Trace trace;
        trace.minValue = -1;
        trace.maxValue = 1;
        applyOutputRange(trace, c.code);
        EXPECT_EQ(trace.minValue, c.min) << c.code;
        EXPECT_EQ(trace.maxValue, c.max) << c.code;
        EXPECT_EQ(trace.unit, c.unit) << c.code;
    }
}

TEST(ApplyDisplayPeriod, SpanDivisionAndHundredthsOfTheList) {
    struct Case {
        int position;
        double span, division;
        bool hundredths;
    };
    const Case cases[] = {{0, 0.1, 0.01, true}, {1, 1, 0.1, false},     {4, 30, 5, false},
                          {5, 60, 10, false},   {10, 7200, 600, false}, {12, 86400, 7200, false}};
    for (const Case& c : cases) {
        Chart chart(Period30s);
        applyDisplayPeriod(chart.canvas, c.position, chart.effects);
        EXPECT_EQ(chart.canvas.displaySpan, c.span) << c.position;
        EXPECT_EQ(chart.canvas.secondsPerDivision, c.division) << c.position;
        EXPECT_EQ(chart.canvas.showHundredths, c.hundredths) << c.position;
        EXPECT_EQ(chart.canvas.viewEnd, c.span) << c.position;
        EXPECT_EQ(chart.effects.repaints, 1) << c.position;
    }
}
