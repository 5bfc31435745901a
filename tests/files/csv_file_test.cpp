#include "files/csv_file.h"

#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

TracePoints pointsOf(std::initializer_list<SamplePoint> list) {
    TracePoints points;
    for (const SamplePoint& p : list)
        points.appendPoint(p.time, p.value);
    return points;
}

std::string csv(const TracePoints& points, int rangeCode, int resolutionCode) {
    std::string text;
    const CsvWriteResult result = csvFileText(points, rangeCode, resolutionCode, text);
    EXPECT_TRUE(result.ok()) << static_cast<int>(result.status);
    return text;
}

// The rows after the header line.
std::string rows(const TracePoints& points, int rangeCode, int resolutionCode) {
    const std::string text = csv(points, rangeCode, resolutionCode);
    return text.substr(text.find("\r\n") + 2);
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(CsvFile, HeaderLabelsInShiftJis) {
    const TracePoints points = pointsOf({{0, 0}, {1, 0}});
    const std::pair<int, std::string> cases[] = {
        {0, "AI1,\x81\x7D"
            "10[V]\r\n"},
        {1, "AI1,\x81\x7D"
            "100[mV]\r\n"},
        {2, "AI1,0-20[mA]\r\n"},
        {3, "AI1,0-20[mA],1\r\n"},
        {4, "AI1,\x81\x7D"
            "32[V]\r\n"},
    };
    for (const auto& [code, header] : cases)
        EXPECT_EQ(csv(points, code, 0).substr(0, header.size()), header) << code;
}

TEST(CsvFile, ConstantOfTenSecondsGivesTwoRows) {
    TracePoints trace;
    rebuildSamples({constantElement(1.5, 10)}, 0.01, trace);
    EXPECT_EQ(csv(trace, 0, 0), "AI1,\x81\x7D"
                                "10[V]\r\n"
                                "2020/1/1,0:00:00.00,1.5000\r\n"
                                "2020/1/1,0:00:10.00,1.5000\r\n");
}

TEST(CsvFile, RowsOnlyWhereTheValueChanges) {
    TracePoints same;
    rebuildSamples({constantElement(2, 1), constantElement(2, 1)}, 0.1, same);
    EXPECT_EQ(rows(same, 0, 1), "2020/1/1,0:00:00.00,2.0000\r\n"
                                "2020/1/1,0:00:02.00,2.0000\r\n");
    TracePoints different;
    rebuildSamples({constantElement(2, 1), constantElement(-2.5, 1)}, 0.1, different);
    EXPECT_EQ(rows(different, 0, 1), "2020/1/1,0:00:00.00,2.0000\r\n"
                                     "2020/1/1,0:00:01.00,-2.5000\r\n"
                                     "2020/1/1,0:00:02.00,-2.5000\r\n");
}

TEST(CsvFile, ClampedRunsCollapse) {
    const TracePoints points =
        pointsOf({{0, -12}, {1, -11}, {2, -10}, {3, 5}, {4, 50}, {5, 33}, {6, 10}, {7, 9}});
    EXPECT_EQ(rows(points, 0, 2), "2020/1/1,0:00:00.00,-10.0000\r\n"
                                  "2020/1/1,0:00:03.00,5.0000\r\n"
                                  "2020/1/1,0:00:04.00,10.0000\r\n"
                                  "2020/1/1,0:00:07.00,9.0000\r\n");
    const TracePoints current = pointsOf({{0, -1}, {1, 25}, {2, 21}});
    EXPECT_EQ(rows(current, 2, 2), "2020/1/1,0:00:00.00,0.0000\r\n"
                                   "2020/1/1,0:00:01.00,20.0000\r\n"
                                   "2020/1/1,0:00:02.00,20.0000\r\n");
}

TEST(CsvFile, TimeFields) {
    struct Case {
        double time;
        int resolutionCode;
        const char* row;
    };
    const Case cases[] = {
        {86400, 2, "2020/1/2,24:00:00.00,"},     {3723.5, 0, "2020/1/1,1:02:03.50,"},
        {36000, 1, "2020/1/1,10:00:00.00,"},     {0.001, 3, "2020/1/1,0:00:00.001,"},
        {65.123, 3, "2020/1/1,0:01:05.123,"},    {12.34, 0, "2020/1/1,0:00:12.34,"},
        {0.3, 0, "2020/1/1,0:00:00.30,"},        {0.29999, 0, "2020/1/1,0:00:00.30,"},
        {172799.99, 0, "2020/1/2,47:59:59.99,"}, {5, 2, "2020/1/1,0:00:05.00,"},
    };
    for (const Case& c : cases) {
        const std::string text = rows(pointsOf({{0, 1}, {c.time, 1}}), 0, c.resolutionCode);
        const std::string last = text.substr(text.find("\r\n") + 2);
        EXPECT_EQ(last, std::string(c.row) + "1.0000\r\n") << c.time;
    }
}

TEST(CsvFile, ValuesHaveFourDecimals) {
    const TracePoints points = pointsOf({{0, 0.00005}, {1, -0.25}, {2, 99.99999}});
    EXPECT_EQ(rows(points, 1, 0), "2020/1/1,0:00:00.00,0.0001\r\n"
                                  "2020/1/1,0:00:01.00,-0.2500\r\n"
                                  "2020/1/1,0:00:02.00,100.0000\r\n");
}

TEST(CsvFile, RefusesWhatTheInstrumentCannotReplay) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        TracePoints points;
        int rangeCode;
        CsvWriteStatus status;
        int pointIndex;
    };
    const Case cases[] = {
        {"no point", pointsOf({}), 0, CsvWriteStatus::TooFewPoints, -1},
        {"one point", pointsOf({{0, 0}}), 0, CsvWriteStatus::TooFewPoints, -1},
        {"no range chosen", pointsOf({{0, 0}, {1, 0}}), -1, CsvWriteStatus::UnknownCode, -1},
        {"NaN value", pointsOf({{0, 0}, {1, nan}, {2, 0}}), 0, CsvWriteStatus::NonFiniteValue, 1},
        {"infinite value", pointsOf({{0, inf}, {1, 0}}), 0, CsvWriteStatus::NonFiniteValue, 0},
        {"negative time", pointsOf({{-0.5, 0}, {1, 0}}), 0, CsvWriteStatus::BadTime, 0},
        {"time runs back", pointsOf({{0, 0}, {2, 1}, {1, 2}}), 0, CsvWriteStatus::BadTime, 2},
        {"NaN time", pointsOf({{0, 0}, {nan, 1}}), 0, CsvWriteStatus::BadTime, 1},
        {"time beyond the counter", pointsOf({{0, 0}, {3e9, 1}}), 0, CsvWriteStatus::BadTime, 1},
    };
    for (const Case& c : cases) {
        std::string text = "old";
        const CsvWriteResult result = csvFileText(c.points, c.rangeCode, 0, text);
        EXPECT_EQ(result.status, c.status) << c.name;
        EXPECT_EQ(result.pointIndex, c.pointIndex) << c.name;
        EXPECT_TRUE(text.empty()) << c.name;
        EXPECT_FALSE(csvWriteMessage(result.status, Language::Japanese).empty());
    }
}

TEST(CsvFile, EqualTimesAreNotBackward) {
    EXPECT_EQ(rows(pointsOf({{0, 1}, {0, 2}, {1, 2}}), 0, 0), "2020/1/1,0:00:00.00,1.0000\r\n"
                                                              "2020/1/1,0:00:00.00,2.0000\r\n"
                                                              "2020/1/1,0:00:01.00,2.0000\r\n");
}

TEST(CsvFile, WrittenFileHoldsTheTextAndRefusalsWriteNothing) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "qz57_csv_test.csv";
    std::filesystem::remove(path);
    const TracePoints points = pointsOf({{0, 1}, {1, 2}});
    ASSERT_TRUE(WriteCsvFile(path, points, 4, 3).ok());
    EXPECT_EQ(readFile(path), csv(points, 4, 3));
    EXPECT_EQ(WriteCsvFile(path, pointsOf({{0, 1}}), 4, 3).status, CsvWriteStatus::TooFewPoints);
    EXPECT_EQ(readFile(path), csv(points, 4, 3));
    std::filesystem::remove(path);
    EXPECT_EQ(WriteCsvFile(path, pointsOf({{0, 1}}), 4, 3).status, CsvWriteStatus::TooFewPoints);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(CsvFile, SameDocumentTwiceGivesIdenticalFiles) {
    SignalElement noise;
    noise.type = FUNC_RANDOM;
    noise.paramCount = paramCountOf(FUNC_RANDOM);
    noise.params = {0, 1, 42, 1};
    noise.duration = elementDuration(noise);
    TracePoints first;
    TracePoints second;
    rebuildSamples({noise}, 0.001, first);
    rebuildSamples({noise}, 0.001, second);
    EXPECT_EQ(csv(first, 0, 3), csv(second, 0, 3));
}
