#include "files/reference_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string Settings = "### QZ570 series output editor data file ###\r\n"
                             "VER\t1\r\nOUTRANGE\t0\r\nRESOLUTION\t2\r\nELEMENTS\t2\r\n"
                             "FUNC\tFUNC_CONST\r\nPAR0\t12\r\nPAR1\t2\r\n"
                             "FUNC\tFUNC_CONST\r\nPAR0\t-1\r\nPAR1\t1\r\n";

} // namespace

TEST(ReferenceFile, EachFormatAsTheImportReadsIt) {
    const struct {
        const char* what;
        std::string text;
        PointReadOptions options;
        bool settings, held;
        std::vector<SamplePoint> points;
    } rows[] = {
        {"settings file: its samples as exported",
         Settings,
         {},
         true,
         true,
         {{0, 10}, {1, 10}, {2, -1}, {3, -1}}},
        {"replay file",
         "AI1,±10[V]\r\n2020/1/1,0:00:00.00,1.0000\r\n2020/1/1,0:00:02.00,1.0000\r\n",
         {},
         false,
         true,
         {{0, 1}, {2, 1}}},
        {"delimited, chosen columns",
         "t,a,b\n0,5,1\n1,6,2\n",
         {0, 2},
         false,
         false,
         {{0, 1}, {1, 2}}},
        {"PWL", "0 0\n1m 2\n", {}, false, false, {{0, 0}, {0.001, 2}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const ReferenceReadResult read =
            readReferenceText(row.text, row.options, Language::English);
        ASSERT_TRUE(read.ok) << read.message;
        EXPECT_EQ(read.settings, row.settings);
        EXPECT_EQ(read.trace.held, row.held);
        ASSERT_EQ(read.trace.points.size(), row.points.size());
        for (std::size_t i = 0; i < row.points.size(); ++i) {
            EXPECT_DOUBLE_EQ(read.trace.points[i].time, row.points[i].time);
            EXPECT_EQ(read.trace.points[i].value, row.points[i].value);
        }
    }
}

TEST(ReferenceFile, RefusalsNameTheLine) {
    const std::string badSettings = Settings.substr(0, Settings.find("PAR1\t2"));
    EXPECT_EQ(readReferenceText(badSettings, {}, Language::English).message,
              "The settings file is not valid. (line 8: expected PAR1 and a finite number "
              "(parameter 1) (the file ends before it))");
    EXPECT_EQ(readReferenceText("0,1\n1,x\n", {}, Language::English).message,
              "line 2: " + std::string(text(TextId::ImportNotANumber, Language::English)));
    const ReferenceReadResult missing =
        readReferenceFile("/nonexistent/ref.csv", {}, Language::Japanese);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message, text(TextId::ImportCannotOpen, Language::Japanese));
}
