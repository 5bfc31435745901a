#include "files/read_problem.h"

#include <gtest/gtest.h>

namespace {

SettingsReadResult failed(ReadProblem problem, std::int64_t limit = 0, bool ended = false) {
    return {SettingsReadStatus::InvalidContent, 7, problem, limit, ended};
}

} // namespace

// qz57 writes the English after "expected"; the editor words the same reason in its language.
TEST(ReadProblem, WordsEachReasonWithItsNumberInBothLanguages) {
    const struct {
        SettingsReadResult result;
        ReadText source;
        const char* english;
        const char* japanese;
    } cases[] = {
        {failed(ReadProblem::LongLine, 255), ReadText::File, "a line of at most 255 characters",
         "1 行は 255 文字までです"},
        {failed(ReadProblem::Header), ReadText::File,
         "the header \"### QZ570 series output editor data file ###\"",
         "先頭行に \"### QZ570 series output editor data file ###\" が必要です"},
        {failed(ReadProblem::RangeCode, 4), ReadText::File, "OUTRANGE and a range code 0 to 4",
         "OUTRANGE とレンジコード 0～4 が必要です"},
        {failed(ReadProblem::Parameter, 3, true), ReadText::File,
         "PAR3 and a finite number (parameter 3) (the file ends before it)",
         "PAR3 と有限の数値 (パラメータ 3) が必要です (その前でファイルが終わっています)"},
        {failed(ReadProblem::Function, 0, true), ReadText::Pasted,
         "FUNC and a keyword FUNC_CONST to FUNC_SUM (the text ends before it)",
         "FUNC とキーワード FUNC_CONST～FUNC_SUM が必要です (その前でテキストが終わっています)"},
        {failed(ReadProblem::SamplesFit, 99'999), ReadText::Pasted,
         "elements whose samples fit in 99999 points", "サンプルが 99999 点に収まりません"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(expectationText(c.result, Language::English, c.source), c.english);
        EXPECT_EQ(expectationText(c.result, Language::Japanese, c.source), c.japanese);
    }
}

TEST(ReadProblem, EveryReasonHasWordsAndASuccessHasNone) {
    for (int problem = static_cast<int>(ReadProblem::LongLine);
         problem <= static_cast<int>(ReadProblem::ByteLimit); ++problem) {
        const SettingsReadResult result = failed(static_cast<ReadProblem>(problem), 1);
        EXPECT_FALSE(expectationText(result, Language::English).empty()) << problem;
        EXPECT_FALSE(expectationText(result, Language::Japanese).empty()) << problem;
    }
    EXPECT_EQ(expectationText(SettingsReadResult{}, Language::English), "");
}

TEST(ReadProblem, TheEditorsMessageKeepsItsSentenceAndAddsLineAndReason) {
    const SettingsReadResult result = failed(ReadProblem::RangeCode, 4);
    EXPECT_EQ(
        settingsInvalidMessage(result, Language::Japanese),
        "波形設定ファイルの内容が不正です。\n(7 行目: OUTRANGE とレンジコード 0～4 が必要です)");
    EXPECT_EQ(
        settingsInvalidMessage(result, Language::English),
        "The settings file is not valid.\n(line 7: expected OUTRANGE and a range code 0 to 4)");
    EXPECT_EQ(settingsInvalidMessage(SettingsReadResult{}, Language::Japanese),
              "波形設定ファイルの内容が不正です。");
}
