#include "model/tables.h"

#include <gtest/gtest.h>

TEST(Tables, OutputRangesByCode) {
    struct Row {
        int code;
        const char* list;
        double minimum, maximum;
        const char *unit, *label, *exportLabel;
    };
    const Row rows[] = {
        {0, "±10V", -10, 10, "V", "[V]", "±10[V]"},
        {1, "±100mV", -100, 100, "mV", "[mV]", "±100[mV]"},
        {2, "0-20mA (内部電源)", 0, 20, "mA", "[mA]", "0-20[mA]"},
        {3, "0-20mA (外部電源)", 0, 20, "mA", "[mA]", "0-20[mA],1"},
        {4, "±32V", -32, 32, "V", "[V]", "±32[V]"},
    };
    for (const Row& row : rows) {
        const OutputRange& r = outputRange(row.code);
        EXPECT_EQ(text(r.name, Language::Japanese), row.list);
        EXPECT_EQ(r.minimum, row.minimum);
        EXPECT_EQ(r.maximum, row.maximum);
        EXPECT_EQ(r.unitText, row.unit);
        EXPECT_EQ(r.unitLabel, row.label);
        EXPECT_EQ(r.exportLabel, row.exportLabel);
    }
    // Before a range is chosen the chart uses the ±10 V entry.
    EXPECT_EQ(&outputRange(-1), &outputRange(0));
    EXPECT_EQ(&outputRange(5), &outputRange(0));
}

TEST(Tables, ResolutionsByCode) {
    struct Row {
        int code;
        const char* list;
        double interval, maximum;
        int decimals;
    };
    const Row rows[] = {
        {0, "10m秒 / 15分", 0.01, 900, 2},
        {1, "100m秒 / 2時間", 0.1, 7200, 1},
        {2, "1秒 / 24時間", 1.0, 86400, 0},
        {3, "1m秒 / 90秒", 0.001, 90, 3},
    };
    for (const Row& row : rows) {
        const Resolution& r = resolution(row.code);
        EXPECT_EQ(text(r.name, Language::Japanese), row.list);
        EXPECT_EQ(r.sampleInterval, row.interval);
        EXPECT_EQ(r.maximumTotalTime, row.maximum);
        EXPECT_EQ(r.timeDecimals, row.decimals);
    }
    EXPECT_EQ(resolution(-1).maximumTotalTime, 90.0);
    EXPECT_EQ(resolution(4).maximumTotalTime, 90.0);
}

TEST(Tables, DisplayPeriodsByPosition) {
    const double spans[] = {0.1, 1, 5, 10, 30, 60, 300, 600, 1800, 3600, 7200, 21600, 86400};
    const double grids[] = {0.01, 0.1, 1, 1, 5, 10, 30, 60, 300, 600, 600, 3600, 7200};
    for (int p = 0; p < DisplayPeriodCount; ++p) {
        EXPECT_EQ(displayPeriod(p).span, spans[p]);
        EXPECT_EQ(displayPeriod(p).gridStep, grids[p]);
        EXPECT_EQ(displayPeriod(p).hundredths, p == 0);
    }
    EXPECT_EQ(text(displayPeriod(0).name, Language::Japanese), "100m秒");
    EXPECT_EQ(text(displayPeriod(12).name, Language::Japanese), "24時間");
    EXPECT_EQ(text(displayPeriod(InitialDisplayPeriod).name, Language::Japanese), "30秒");
    EXPECT_EQ(&displayPeriod(-1), &displayPeriod(InitialDisplayPeriod));
    EXPECT_EQ(&displayPeriod(13), &displayPeriod(InitialDisplayPeriod));
}

TEST(Tables, ListPositionsAndCodes) {
    const int rangeCodes[] = {4, 0, 1, 2, 3};
    for (int p = 0; p < RangeCount; ++p) {
        EXPECT_EQ(rangeCodeAtPosition(p), rangeCodes[p]);
        EXPECT_EQ(positionOfRangeCode(rangeCodes[p]), p);
    }
    const int resolutionCodes[] = {3, 0, 1, 2};
    for (int p = 0; p < ResolutionCount; ++p) {
        EXPECT_EQ(resolutionCodeAtPosition(p), resolutionCodes[p]);
        EXPECT_EQ(positionOfResolutionCode(resolutionCodes[p]), p);
    }
    EXPECT_EQ(text(outputRange(rangeCodeAtPosition(0)).name, Language::Japanese), "±32V");
    EXPECT_EQ(resolution(resolutionCodeAtPosition(0)).sampleInterval, 0.001);
    EXPECT_EQ(rangeCodeAtPosition(-1), 4);
    EXPECT_EQ(resolutionCodeAtPosition(9), 3);
    EXPECT_EQ(positionOfRangeCode(-1), 1);
    EXPECT_EQ(positionOfResolutionCode(7), 1);
}

TEST(Tables, EnglishNames) {
    EXPECT_EQ(text(outputRange(2).name, Language::English), "0-20 mA (internal supply)");
    EXPECT_EQ(text(resolution(3).name, Language::English), "1 ms / 90 s");
    EXPECT_EQ(text(displayPeriod(InitialDisplayPeriod).name, Language::English), "30 s");
}
