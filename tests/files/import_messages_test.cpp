#include "files/import_messages.h"

#include <gtest/gtest.h>

TEST(ImportMessages, NameTheLineAndTheTimesInEitherLanguage) {
    EXPECT_EQ(pointReadMessage(PointReadStatus::TimeBackwards, 12, Language::Japanese),
              "12 行目: 時刻が前の行より前です。");
    EXPECT_EQ(pointReadMessage(PointReadStatus::NoNumbers, 0, Language::English),
              "no row of numbers");
    ImportResult tooLong;
    tooLong.status = ImportStatus::TooLong;
    tooLong.summary.duration = 120;
    tooLong.summary.maximumTime = 90;
    EXPECT_EQ(importRefusalMessage(tooLong, Language::Japanese),
              "取込データは 120.000 秒あり、分解能の最大時間 90 秒を超えます。");
    ImportResult huge;
    huge.status = ImportStatus::HugeValue;
    huge.line = 3;
    EXPECT_EQ(importRefusalMessage(huge, Language::English),
              "line 3: the value is beyond 1e12 after the gain and offset");
}

TEST(ImportMessages, SummaryLinesInTheRangesUnit) {
    ImportSummary summary;
    summary.pointsRead = 90001;
    summary.elementsMade = 29;
    summary.largestDeviation = 0.00004;
    summary.duration = 90;
    summary.maximumTime = 90;
    summary.clippedSamples = 1234;
    EXPECT_EQ(importSummaryLines(summary, 1, Language::English),
              (std::vector<std::string>{"points read: 90,001", "elements made: 29",
                                        "largest deviation: 0.0000 mV",
                                        "duration: 90.000 s of 90 s", "clipped samples: 1,234"}));
    EXPECT_EQ(importSummaryLines(summary, 0, Language::Japanese)[3],
              "時間: 90.000 秒 / 最大 90 秒");
}
