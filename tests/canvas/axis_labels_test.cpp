#include "canvas/axis_labels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(DivisionLabel, NamesTheUnitOfEachDisplayPeriod) {
    const std::pair<double, const char*> cases[] = {
        {0.01, "0.01 sec/div"}, {0.1, "0.10 sec/div"}, {0.5, "0.50 sec/div"}, {1, "1 sec/div"},
        {5, "5 sec/div"},       {10, "10 sec/div"},    {30, "30 sec/div"},    {60, "1 min/div"},
        {300, "5 min/div"},     {600, "10 min/div"},   {3600, "1 hour/div"},  {7200, "2 hour/div"},
        {86400, "1 day/div"},   {172800, "2 day/div"}, {59.9, "59 sec/div"},
    };
    for (const auto& [d, text] : cases)
        EXPECT_EQ(divisionLabel(d), text) << d;
    const std::string huge = divisionLabel(1e300);
    EXPECT_TRUE(huge.starts_with("1157407407")) << huge;
    EXPECT_TRUE(huge.ends_with(" day/div")) << huge;
}

TEST(TimeLabel, ShowsTheTimeOfDayOfTheElapsedSeconds) {
    const std::pair<double, const char*> cases[] = {
        {0, "00:00:00"},    {25, "00:00:25"},    {75.9, "00:01:15"},         {3599.99, "00:59:59"},
        {7200, "02:00:00"}, {86399, "23:59:59"}, {86400, "00:00:00"},        {90061, "01:01:01"},
        {-1, "23:59:59"},   {1e300, "00:00:00"}, {std::nan(""), "00:00:00"},
    };
    for (const auto& [t, text] : cases)
        EXPECT_EQ(timeLabel(t, false), text) << t;
}

TEST(TimeLabel, TruncatesHundredths) {
    const std::pair<double, const char*> cases[] = {
        {0.15, "00:00:00.15"},
        {0.12999999999999998, "00:00:00.12"},
        {0.10999999999999999, "00:00:00.10"},
        {0.09, "00:00:00.09"},
        {61.999, "00:01:01.99"},
        {86400.5, "00:00:00.50"},
    };
    for (const auto& [t, text] : cases)
        EXPECT_EQ(timeLabel(t, true), text) << t;
}

TEST(TraceCaption, AddsTheUnitInBrackets) {
    Trace trace;
    EXPECT_EQ(traceCaption(trace), "OUTPUT");
    trace.unit = "mV";
    EXPECT_EQ(traceCaption(trace), "OUTPUT[mV]");
}

TEST(ValueLabel, SignedEightWideWithThreeOrTwoDecimals) {
    Trace trace;
    trace.minValue = -10;
    trace.maxValue = 10;
    const std::pair<double, const char*> narrow[] = {
        {10, " +10.000"},     {8, "  +8.000"},   {0, "  +0.000"},    {1.8e-15, "  +0.000"},
        {-1e-15, "  -0.000"}, {-10, " -10.000"}, {-100, "-100.000"}, {25.6, " +25.600"},
    };
    for (const auto& [v, text] : narrow)
        EXPECT_EQ(valueLabel(trace, v), text) << v;
    trace.maxValue = 1000;
    EXPECT_EQ(valueLabel(trace, 1000), "+1000.00");
    EXPECT_EQ(valueLabel(trace, 0), "   +0.00");
    trace.maxValue = 999.9999;
    EXPECT_EQ(valueLabel(trace, 999.9999), "+1000.000");
    trace.minValue = -1000;
    EXPECT_EQ(valueLabel(trace, -5), "   -5.00");
}
