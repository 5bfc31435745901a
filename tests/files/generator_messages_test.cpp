#include "files/generator_messages.h"

#include "model/formula_generator.h"
#include "model/sine_sweep.h"
#include "model/staircase.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

GeneratorResult formula(const char* text, int resolutionCode = 0) {
    return makeFormula({text, 2, 0.001, false}, {0, resolutionCode});
}

} // namespace

TEST(GeneratorMessages, NameTheFieldOrTheColumnInEitherLanguage) {
    const struct {
        GeneratorResult result;
        int rangeCode;
        const char* english;
        const char* japanese;
    } cases[] = {
        {makeStaircase({0, 1, 2, 0.0, 0, false, 1}, {0, 3}), 0,
         "Dwell [s]: shorter than 0.001 s once rounded to the sample interval",
         "保持時間[秒]: サンプル間隔に丸めると 0.001 秒より短くなります"},
        {makeStaircase({0, 1, 1, 1, 0, false, 1}, {0, 3}), 0, "Levels: must be at least 2",
         "段数: 2 以上にしてください"},
        {makeSineSweep({1, 2, 1, NAN, 0, false, 0}, {1, 3}), 1,
         "Amplitude [mV]: not a usable number", "振幅[mV]: 数値ではありません"},
        {makeSineSweep({1, 300, 1, 1, 0, false, 0}, {0, 3}), 0,
         "End frequency [Hz]: above a quarter of the sample rate (250 Hz)",
         "終了周波数[Hz]: サンプリング周波数の 1/4 (250 Hz) を超えています"},
        {formula("(1+2"), 0, "column 5: ')' expected", "5 文字目: ')' が必要です"},
        {formula("2 * foo"), 0, "column 5: unknown name 'foo'",
         "5 文字目: 'foo' という名前はありません"},
        {formula("clamp(t, 1)"), 0, "column 1: clamp takes 3 arguments",
         "1 文字目: clamp の引数は 3 個です"},
        {formula("1/(t-1)"), 0, "the value at 1.000 s is not a finite number",
         "1.000 秒で値が有限の数になりません"},
        {formula(std::string(1001, '1').c_str()), 0, "the formula is longer than 1,000 characters",
         "数式が 1,000 文字を超えています"},
        {makeStaircase({0, 1, 10, 10, 0, false, 1}, {0, 3}), 0,
         "the data lasts 100.000 s, more than the resolution's maximum time of 90 s",
         "取込データは 100.000 秒あり、分解能の最大時間 90 秒を超えます。"},
        {formula("t", -1), 0, "no resolution", "分解能を選択してください。"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(generatorRefusalMessage(c.result, c.rangeCode, Language::English), c.english);
        EXPECT_EQ(generatorRefusalMessage(c.result, c.rangeCode, Language::Japanese), c.japanese);
    }
}

// The deviation is shown only for what was fitted.
TEST(GeneratorMessages, SummaryLinesAsTheImportSaysThem) {
    const GeneratorResult exact = makeStaircase({4, 20, 5, 10, 0, true, 1}, {2, 0});
    EXPECT_EQ(generatorSummaryLines(exact, 2, Language::English),
              (std::vector<std::string>{"elements made: 9", "duration: 90.000 s of 900 s",
                                        "clipped samples: 0"}));
    const GeneratorResult fitted = makeFormula({"t", 2, 0.001, false}, {0, 0});
    const std::vector<std::string> lines = generatorSummaryLines(fitted, 0, Language::English);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "elements made: 1");
    EXPECT_EQ(lines[1], "largest deviation: 0.0000 V");
    EXPECT_EQ(generatorRefusalMessage(fitted, 0, Language::English), "");
}
