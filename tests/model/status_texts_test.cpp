#include "model/status_texts.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

TEST(StatusTexts, FileNameOrUntitledWithTheModifiedMark) {
    EXPECT_EQ(fileStatusText("", false, Language::Japanese), "無題");
    EXPECT_EQ(fileStatusText("", true, Language::Japanese), "無題 (変更あり)");
    EXPECT_EQ(
        fileStatusText(std::filesystem::path(u8"dir") / u8"波形.dat", false, Language::Japanese),
        "波形.dat");
    EXPECT_EQ(fileStatusText("a.dat", true, Language::Japanese), "a.dat (変更あり)");
}

TEST(StatusTexts, TotalTimeAgainstTheResolutionsMaximum) {
    SignalDocument doc;
    EXPECT_EQ(timeStatusText(doc, Language::Japanese), "0.000 秒");
    const struct {
        int resolutionCode;
        const char* text;
    } rows[] = {{3, "85.000 秒 / 90 秒"},
                {0, "85.000 秒 / 900 秒"},
                {1, "85.000 秒 / 7200 秒"},
                {2, "85.000 秒 / 86400 秒"}};
    doc.elements = {constantElement(1, 80), constantElement(2, 5)};
    for (const auto& row : rows) {
        doc.resolutionCode = row.resolutionCode;
        EXPECT_EQ(timeStatusText(doc, Language::Japanese), row.text);
    }
}

TEST(StatusTexts, CountsWithThousandsSeparators) {
    EXPECT_EQ(countStatusText(0, 1, Language::Japanese), "0 要素 / 1 点");
    EXPECT_EQ(countStatusText(1234, 99999, Language::Japanese), "1,234 要素 / 99,999 点");
}

TEST(StatusTexts, InEnglish) {
    EXPECT_EQ(fileStatusText("", true, Language::English), "Untitled (modified)");
    EXPECT_EQ(fileStatusText("a.dat", false, Language::English), "a.dat");
    SignalDocument doc;
    EXPECT_EQ(timeStatusText(doc, Language::English), "0.000 s");
    doc.resolutionCode = 0;
    doc.elements = {constantElement(1, 85)};
    EXPECT_EQ(timeStatusText(doc, Language::English), "85.000 s / 900 s");
    EXPECT_EQ(countStatusText(1234, 99999, Language::English), "Elements: 1,234 / samples: 99,999");
}
