#include "model/signal_element.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace {

SignalElement sum(FuncType a, std::initializer_list<double> pa, FuncType b,
                  std::initializer_list<double> pb) {
    return makeSum(makeElement(a, pa), makeElement(b, pb));
}

bool isValidUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        const std::size_t length = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        if (i + length > s.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

} // namespace

TEST(SignalElement, NewElementIsAllZero) {
    const SignalElement e;
    EXPECT_EQ(e.type, FUNC_NONE);
    EXPECT_EQ(e.paramCount + e.subParamCountA + e.subParamCountB, 0);
    for (int i = 0; i < ParamSlots; ++i)
        EXPECT_EQ(e.params[i] + e.subParamsA[i] + e.subParamsB[i], 0.0);
    EXPECT_EQ(elementDuration(e), 0.0);
    EXPECT_EQ(summaryText(e, Language::Japanese), "");
}

TEST(SignalElement, DurationByType) {
    struct Row {
        SignalElement element;
        double duration;
    };
    const Row rows[] = {
        {makeElement(FUNC_CONST, {1, 10}), 10},
        {makeElement(FUNC_SLOPE, {0, 1, 7}), 7},
        {makeElement(FUNC_RECT, {0, 1, 5, 5, 3}), 30},
        {makeElement(FUNC_RECT, {0, 1, 5, 5, 2.5}), 25}, // the repeat count is not rounded
        {makeElement(FUNC_TRI, {0, 1, 0.3, 0.2, 4}), (0.2 + 0.3) * 4},
        {makeElement(FUNC_SIN, {0, 5, 5, 90, 30}), 30},
        {makeElement(FUNC_EXPO, {0, 10, 1, 12}), 12},
        {makeElement(FUNC_RANDOM, {0, 1, 42, 8}), 8},
        {sum(FUNC_CONST, {1, 10}, FUNC_SIN, {0, 1, 1, 0, 30}), 10},
        {makeElement(FUNC_NONE, {1, 2, 3, 4, 5}), 0},
        {makeElement(9, {1, 2, 3, 4, 5}), 0},
        {makeElement(-1, {1, 2, 3, 4, 5}), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.element.type);
        EXPECT_EQ(elementDuration(row.element), row.duration);
    }
}

TEST(SignalElement, SumOfSumHasNoLength) {
    // Only a hand-edited file can nest a sum; its inner sub-functions are not carried over.
    SignalElement e = sum(FUNC_CONST, {1, 10}, FUNC_CONST, {1, 10});
    e.subTypeA = FUNC_SUM;
    EXPECT_EQ(elementDuration(e), 0.0);
}

TEST(SignalElement, SubElementCopiesOneSideOnly) {
    SignalElement e = sum(FUNC_SLOPE, {1, 2, 3}, FUNC_RANDOM, {4, 5, 6, 7});
    e.subParamsA[9] = 99; // slots past the count come along unchanged
    const SignalElement a = subElement(e, SubFunction::A);
    EXPECT_EQ(a.type, FUNC_SLOPE);
    EXPECT_EQ(a.paramCount, 3);
    EXPECT_EQ(a.params, e.subParamsA);
    EXPECT_EQ(a.duration, 0.0);
    EXPECT_EQ(a.subTypeA, FUNC_NONE);
    EXPECT_EQ(a.subTypeB, FUNC_NONE);
    EXPECT_EQ(a.subParamCountA + a.subParamCountB, 0);
    EXPECT_EQ(a.subParamsA, SignalElement{}.subParamsA);

    const SignalElement b = subElement(e, SubFunction::B);
    EXPECT_EQ(b.type, FUNC_RANDOM);
    EXPECT_EQ(b.paramCount, 4);
    EXPECT_EQ(b.params, e.subParamsB);
}

TEST(SignalElement, SummaryFormats) {
    EXPECT_EQ(summaryText(makeElement(FUNC_CONST, {1.5, 10}), Language::Japanese),
              "値=1.5000, 期間=10.000秒");
    EXPECT_EQ(summaryText(makeElement(FUNC_SLOPE, {-2.34567, 10, 0.0005}), Language::Japanese),
              "始点=-2.3457, 終点=10.0000, 期間=0.001秒");
    EXPECT_EQ(summaryText(makeElement(FUNC_RECT, {0, 1, 0.05, 0.05, 2}), Language::Japanese),
              "値A=0.0000, 値B=1.0000, 期間A=0.050秒, 期間B=0.050秒, x2回");
    EXPECT_EQ(summaryText(makeElement(FUNC_TRI, {-1, 1, 1, 2, 2.5}), Language::Japanese),
              "値A=-1.0000, 値B=1.0000, 期間A=1.000秒, 期間B=2.000秒, x2回");
    EXPECT_EQ(summaryText(makeElement(FUNC_SIN, {0, 5, 5, 90, 30}), Language::Japanese),
              "基値=0.0000, 振幅=5.0000, 周期=5.000秒, 初期位相=90°, 総時間30.000秒");
    EXPECT_EQ(summaryText(makeElement(FUNC_EXPO, {0, 10, 1, 12}), Language::Japanese),
              "始点=0.0000, 終点=10.0000, 時定数=1.000秒, 総時間12.000秒");
    EXPECT_EQ(summaryText(makeElement(FUNC_RANDOM, {0, 1, 12345678, 8}), Language::Japanese),
              "基値=0.0000, 振幅=1.0000, シード=12345678, 期間8.000秒");
    EXPECT_EQ(summaryText(sum(FUNC_CONST, {1, 10}, FUNC_SIN, {0, 1, 1, 0, 30}), Language::Japanese),
              "関数A=固定値, 関数B=正弦波");
    EXPECT_EQ(summaryText(makeElement(9, {1}), Language::Japanese), "");
}

TEST(SignalElement, SummaryOfHugeValuesIsCutAtACharacter) {
    // 1e300 takes 301 digits before the point: the text must stop within 255 bytes.
    for (double huge : {1e300, -1e300, 1e200, 1e120}) {
        for (FuncType type : {FUNC_CONST, FUNC_RECT, FUNC_SIN, FUNC_RANDOM}) {
            const std::string text =
                summaryText(makeElement(type, {huge, huge, huge, huge, huge}), Language::Japanese);
            EXPECT_LE(text.size(), 255u);
            EXPECT_TRUE(isValidUtf8(text)) << text;
        }
    }
    // Cutting lands right inside a three-byte character for some lengths; try them all.
    for (int digits = 200; digits < 260; ++digits) {
        SignalElement e = makeElement(FUNC_CONST, {1, 1});
        e.params[1] = std::stod("1e" + std::to_string(digits));
        const std::string text = summaryText(e, Language::Japanese);
        EXPECT_LE(text.size(), 255u);
        EXPECT_TRUE(isValidUtf8(text)) << digits;
    }
}

TEST(SignalElement, SummaryOfNonFiniteValues) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(summaryText(makeElement(FUNC_CONST, {inf, -inf}), Language::Japanese),
              "値=inf, 期間=-inf秒");
    EXPECT_TRUE(isValidUtf8(
        summaryText(makeElement(FUNC_RANDOM, {nan, nan, nan, nan}), Language::Japanese)));
}

TEST(SignalElement, SummaryFormatsInEnglish) {
    const std::pair<SignalElement, const char*> rows[] = {
        {makeElement(FUNC_CONST, {1.5, 2}), "value=1.5000, duration=2.000 s"},
        {makeElement(FUNC_SLOPE, {-2.34567, 10, 0.0005}),
         "start=-2.3457, end=10.0000, duration=0.001 s"},
        {makeElement(FUNC_TRI, {-1, 1, 1, 2, 2.5}),
         "value A=-1.0000, value B=1.0000, duration A=1.000 s, duration B=2.000 s, x2"},
        {makeElement(FUNC_SIN, {0, 5, 5, 90, 30}),
         "base=0.0000, amplitude=5.0000, period=5.000 s, phase=90°, total=30.000 s"},
        {makeElement(FUNC_EXPO, {0, 10, 1, 12}),
         "start=0.0000, end=10.0000, time constant=1.000 s, total=12.000 s"},
        {makeElement(FUNC_RANDOM, {0, 1, 12345678, 8}),
         "base=0.0000, amplitude=1.0000, seed=12345678, duration=8.000 s"},
        {sum(FUNC_CONST, {1, 10}, FUNC_SIN, {0, 1, 1, 0, 30}),
         "function A=Constant, function B=Sine"},
    };
    for (const auto& [element, expected] : rows)
        EXPECT_EQ(summaryText(element, Language::English), expected);
}
