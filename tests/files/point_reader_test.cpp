#include "files/point_reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Readable {
    const char* what;
    std::string text;
    PointReadOptions options;
    PointFormat format;
    std::vector<double> times;
    std::vector<double> values;
};

PointReadOptions columns(int time, int value, double step = 0.0) {
    PointReadOptions options;
    options.timeColumn = time;
    options.valueColumn = value;
    options.timeStep = step;
    return options;
}

PointReadOptions stepOf(double seconds) {
    PointReadOptions options;
    options.timeStep = seconds;
    return options;
}

const std::vector<Readable> ReadableTexts = {
    {"comma, header, comments, CR LF",
     "# logger\r\ntime,value\r\n; note\r\n0,1.5\r\n0.5,-2\r\n",
     {},
     PointFormat::Delimited,
     {0, 0.5},
     {1.5, -2}},
    {"UTF-8 BOM and LF", "\xEF\xBB\xBFt,v\n1,2\n3,4\n", {}, PointFormat::Delimited, {0, 2}, {2, 4}},
    {"tabs", "t\tv\n0\t1\n2\t3\n", {}, PointFormat::Delimited, {0, 2}, {1, 3}},
    {"semicolons with decimal commas",
     "Zeit;Wert\n0,5;1,25\n1,5;-2,5\n",
     {},
     PointFormat::Delimited,
     {0, 1},
     {1.25, -2.5}},
    {"quoted fields",
     "\"t\",\"v\"\n\"0\",\"1.5\"\n\"1\",\"2\"\n",
     {},
     PointFormat::Delimited,
     {0, 1},
     {1.5, 2}},
    {"clock times",
     "0:00:01.250,1\n0:01:00,2\n1:00:00.5,3\n",
     {},
     PointFormat::Delimited,
     {0, 58.75, 3599.25},
     {1, 2, 3}},
    {"date and time in one field",
     "2026-12-08 10:00:00.5,1\n2026-12-09 10:00:01,2\n",
     {},
     PointFormat::Delimited,
     {0, 86400.5},
     {1, 2}},
    {"ISO date and time",
     "2026-12-31T23:59:59Z,1\n2027-01-01T00:00:01Z,2\n",
     {},
     PointFormat::Delimited,
     {0, 2},
     {1, 2}},
    {"date and time in two fields",
     "2020/1/1,0:00:12.34,1.5\n2020/1/2,0:00:00.00,2\n",
     {},
     PointFormat::Delimited,
     {0, 86387.66},
     {1.5, 2}},
    {"a chosen value column",
     "t,a,b\n0,1,10\n1,2,20\n",
     columns(0, 2),
     PointFormat::Delimited,
     {0, 1},
     {10, 20}},
    {"a chosen time column",
     "a,t,v\n9,0,1\n9,2,3\n",
     columns(1, 2),
     PointFormat::Delimited,
     {0, 2},
     {1, 3}},
    {"values without times, title lines skipped",
     "Oscilloscope export\nSample interval 1ms\nCH1\n0.5\n0.75\n1\n",
     stepOf(0.001),
     PointFormat::Pwl,
     {0, 0.001, 0.002},
     {0.5, 0.75, 1}},
    {"values without times beside text and formulas",
     "n,CH1,note\n1,5,=A2*2\n2,6,ok\n",
     columns(NoTimeColumn, 1, 0.5),
     PointFormat::Delimited,
     {0, 0.5},
     {5, 6}},
    {"PWL with suffixes and relative times",
     "* source\n0 0\n1.5m 5\n+0.5m 2.5k\n3ms -1u\n",
     {},
     PointFormat::Pwl,
     {0, 0.0015, 0.002, 0.003},
     {0, 5, 2500, -0.000001}},
    {"PWL with commas and meg", "0, 1meg\n+1MS, 2\n", {}, PointFormat::Pwl, {0, 0.001}, {1e6, 2}},
    {"two rows at one time",
     "0,1\n1,2\n1,3\n2,3\n",
     {},
     PointFormat::Delimited,
     {0, 1, 1, 2},
     {1, 2, 3, 3}},
    {"Shift-JIS bytes in the header",
     "\x8E\x9E\x8A\xD4,\x93\x64\x88\xB3\n0,1\n1,2\n",
     {},
     PointFormat::Delimited,
     {0, 1},
     {1, 2}},
    {"empty spreadsheet rows",
     "t,v\n0,1\n,\n1,2\n,,\n",
     {},
     PointFormat::Delimited,
     {0, 1},
     {1, 2}},
};

} // namespace

TEST(PointReader, ReadsEachKindOfText) {
    for (const Readable& c : ReadableTexts) {
        const PointReadResult read = readPoints(c.text, c.options);
        ASSERT_TRUE(read.ok()) << c.what << ": status " << static_cast<int>(read.status) << " line "
                               << read.line;
        EXPECT_EQ(read.format, c.format) << c.what;
        ASSERT_EQ(read.points.times.size(), c.times.size()) << c.what;
        for (std::size_t i = 0; i < c.times.size(); ++i) {
            EXPECT_NEAR(read.points.times[i], c.times[i], 1e-9) << c.what << " point " << i;
            EXPECT_DOUBLE_EQ(read.points.values[i], c.values[i]) << c.what << " point " << i;
        }
        EXPECT_FALSE(read.points.isReplay()) << c.what;
    }
}

TEST(PointReader, NamesTheColumnsOfTheHeaderAndKeepsTheLines) {
    const PointReadResult read = readPoints("# x\ntime,\x8E\x9E,volts\n0,1,2\n\n1,3,4\n");
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.columnCount, 3);
    EXPECT_EQ(read.columnNames, (std::vector<std::string>{"time", "", "volts"}));
    EXPECT_EQ(read.timeColumn, 0);
    EXPECT_EQ(read.valueColumn, 1);
    EXPECT_EQ(read.points.lines, (std::vector<std::int32_t>{3, 5}));
}

TEST(PointReader, TakesADateAndATimeInTwoFieldsAsTheTimeColumn) {
    const PointReadResult read = readPoints("2020/1/1,0:00:00.00,1\n2020/1/1,0:00:01.00,2\n");
    ASSERT_TRUE(read.ok());
    EXPECT_TRUE(read.timeSpansTwoFields);
    EXPECT_EQ(read.valueColumn, 2);
}

TEST(PointReader, ReadsAReplayFileWithItsRangeAndTimeDigits) {
    const std::string text = "AI1,\x81\x7D"
                             "10[V]\r\n2020/1/1,0:00:00.000,1.5000\r\n"
                             "2020/1/1,0:00:01.250,-2.0000\r\n2020/1/2,24:00:00.000,-2.0000\r\n";
    const PointReadResult read = readPoints(text);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.format, PointFormat::ReplayCsv);
    EXPECT_EQ(read.points.replayRangeCode, 0);
    EXPECT_EQ(read.points.replayTimeDigits, 3);
    EXPECT_EQ(read.points.times, (std::vector<double>{0, 1.25, 86400}));
    EXPECT_EQ(read.points.values, (std::vector<double>{1.5, -2, -2}));

    const PointReadResult current = readPoints(
        "AI1,0-20[mA],1\r\n2020/1/1,0:00:00.00,4.0000\r\n2020/1/1,0:00:02.50,4.0000\r\n");
    ASSERT_TRUE(current.ok());
    EXPECT_EQ(current.points.replayRangeCode, 3);
    EXPECT_EQ(current.points.replayTimeDigits, 2);
    EXPECT_EQ(readPoints("AI1,\xC2\xB1"
                         "32[V]\n2020/1/1,0:00:00.00,1\n")
                  .points.replayRangeCode,
              4);
    EXPECT_EQ(readPoints("AI1,other\n2020/1/1,0:00:00.00,1\n").points.replayRangeCode, -1);
}

namespace {

struct Refused {
    const char* what;
    std::string text;
    PointReadOptions options;
    PointReadStatus status;
    int line;
};

PointReadOptions rowsAtMost(std::size_t rows) {
    PointReadOptions options;
    options.maxRows = rows;
    return options;
}

const std::vector<Refused> RefusedTexts = {
    {"nothing", "", {}, PointReadStatus::NoNumbers, 0},
    {"only words", "time,value\nsoon,high\n", {}, PointReadStatus::NoNumbers, 0},
    {"a row with too few columns", "0,1\n1\n", {}, PointReadStatus::TooFewColumns, 2},
    {"a word among the numbers", "0,1\n1,x\n", {}, PointReadStatus::NotANumber, 2},
    {"a bad time", "0,1\n1:99x,2\n", {}, PointReadStatus::NotANumber, 2},
    {"NaN", "0,1\n1,nan\n", {}, PointReadStatus::NotFinite, 2},
    {"infinity", "0,1\n1,-Infinity\n", {}, PointReadStatus::NotFinite, 2},
    {"a number too large for a double", "0,1\n1,1e999\n", {}, PointReadStatus::NotFinite, 2},
    {"a time going back", "0,1\n2,1\n1,3\n", {}, PointReadStatus::TimeBackwards, 3},
    {"a PWL time going back", "0 1\n+1m 2\n0.5m 3\n", {}, PointReadStatus::TimeBackwards, 3},
    {"values without a time step", "1\n2\n", {}, PointReadStatus::NeedsTimeStep, 1},
    {"no time column and no step", "0,1\n", columns(NoTimeColumn, 1),
     PointReadStatus::NeedsTimeStep, 0},
    {"too many rows", "0,1\n1,2\n2,3\n", rowsAtMost(2), PointReadStatus::TooManyRows, 3},
    {"a replay file going back",
     "AI1,0-20[mA]\n2020/1/1,0:00:01.00,1\n2020/1/1,0:00:00.50,1\n",
     {},
     PointReadStatus::TimeBackwards,
     3},
    {"a replay row without a value",
     "AI1,0-20[mA]\n2020/1/1,0:00:01.00\n",
     {},
     PointReadStatus::TooFewColumns,
     2},
    {"a replay row with a bad time",
     "AI1,0-20[mA]\n2020/1/1,0:0:01.00,1\n",
     {},
     PointReadStatus::NotANumber,
     2},
    {"a replay file without rows", "AI1,0-20[mA]\r\n", {}, PointReadStatus::NoNumbers, 0},
    {"too many replay rows", "AI1,0-20[mA]\n2020/1/1,0:00:00.00,1\n2020/1/1,0:00:01.00,2\n",
     rowsAtMost(1), PointReadStatus::TooManyRows, 3},
};

} // namespace

TEST(PointReader, RefusesBadTextNamingTheLine) {
    for (const Refused& c : RefusedTexts) {
        const PointReadResult read = readPoints(c.text, c.options);
        EXPECT_EQ(read.status, c.status) << c.what;
        EXPECT_EQ(read.line, c.line) << c.what;
        EXPECT_TRUE(read.points.times.empty()) << c.what;
    }
}

TEST(PointReader, LoadsFilesAndStreamsUpToTheSizeLimit) {
    const auto folder = std::filesystem::temp_directory_path() / "qz57_point_reader_test";
    std::filesystem::create_directories(folder);
    const auto small = folder / "small.csv";
    std::ofstream(small, std::ios::binary) << "0,1\n1,2\n";
    std::string text;
    EXPECT_EQ(loadPointText(small, text), PointReadStatus::Read);
    EXPECT_EQ(text, "0,1\n1,2\n");

    // A sparse file: its size alone refuses it, nothing of it is read.
    const auto large = folder / "large.csv";
    std::ofstream(large, std::ios::binary).put('0');
    std::filesystem::resize_file(large, MaxPointTextBytes + 1);
    EXPECT_EQ(loadPointText(large, text), PointReadStatus::TooLarge);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(loadPointText(folder, text), PointReadStatus::CannotOpen);
    EXPECT_EQ(loadPointText(folder / "missing.csv", text), PointReadStatus::CannotOpen);
    std::filesystem::remove_all(folder);

    std::istringstream in("t,v\n0,1\n");
    EXPECT_EQ(loadPointText(in, text), PointReadStatus::Read);
    EXPECT_EQ(text, "t,v\n0,1\n");
}
