#include "model/param_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

SignalDocument settings(int rangeCode, int resolutionCode, double sampleInterval) {
    SignalDocument doc;
    doc.rangeCode = rangeCode;
    doc.resolutionCode = resolutionCode;
    doc.sampleInterval = sampleInterval;
    return doc;
}

// "±10V" with "10m秒 / 15分".
SignalDocument tenVoltsTenMs() {
    return settings(0, 0, 0.01);
}

std::vector<std::string> shownDefaults(FuncType type, const SignalDocument& doc) {
    std::vector<std::string> texts;
    for (const FieldRow& row : fieldRows(type, doc, Language::Japanese))
        texts.push_back(normalizeFieldText(row.defaultText, row.rule));
    return texts;
}

using Texts = std::vector<std::string>;

} // namespace

TEST(ParamFields, WholeTableUnderTenVoltsAndTenMilliseconds) {
    struct Row {
        FuncType type;
        int slot;
        const char* label;
        const char* defaultText;
        FieldRule rule;
    };
    const Row rows[] = {
        {FUNC_CONST, 0, "固定値[V]", "0.0", {-10, 10, 4}},
        {FUNC_CONST, 1, "保持時間[秒]", "10.0", {0.01, 900, 2}},
        {FUNC_SLOPE, 0, "開始値[V]", "0.0", {-10, 10, 4}},
        {FUNC_SLOPE, 1, "終了値[V]", "5.0", {-10, 10, 4}},
        {FUNC_SLOPE, 2, "変化時間[秒]", "10.0", {0.02, 900, 2}},
        {FUNC_RECT, 0, "出力値A[V]", "0.0", {-10, 10, 4}},
        {FUNC_RECT, 1, "出力値B[V]", "5.0", {-10, 10, 4}},
        {FUNC_RECT, 2, "時間A[秒]", "5.0", {0.01, 900, 2}},
        {FUNC_RECT, 3, "時間B[秒]", "5.0", {0.01, 900, 2}},
        {FUNC_RECT, 4, "繰返回数", "3", {1, 999, 0}},
        {FUNC_TRI, 0, "出力値A[V]", "0.0", {-10, 10, 4}},
        {FUNC_TRI, 1, "出力値B[V]", "5.0", {-10, 10, 4}},
        {FUNC_TRI, 2, "時間A[秒]", "5.0", {0.01, 900, 2}},
        {FUNC_TRI, 3, "時間B[秒]", "5.0", {0.01, 900, 2}},
        {FUNC_TRI, 4, "繰返回数", "3", {1, 999, 0}},
        {FUNC_SIN, 0, "基本値[V]", "0.0", {-10, 10, 4}},
        {FUNC_SIN, 1, "振幅[V]", "5.0", {0.01, 10, 4}},
        {FUNC_SIN, 2, "周期[秒]", "5.0", {0.2, 900, 2}},
        {FUNC_SIN, 3, "初期位相[°]", "0", {0, 359, 0}},
        {FUNC_SIN, 4, "総時間[秒]", "10.0", {0.01, 900, 2}},
        {FUNC_EXPO, 0, "開始値[V]", "0.0", {-10, 10, 4}},
        {FUNC_EXPO, 1, "漸近値[V]", "5.0", {-10, 10, 4}},
        {FUNC_EXPO, 2, "時定数[秒]", "10.0", {0.1, 900, 2}},
        {FUNC_EXPO, 3, "総時間[秒]", "30.0", {0.01, 900, 2}},
        {FUNC_RANDOM, 0, "基本値[V]", "0.0", {-10, 10, 4}},
        {FUNC_RANDOM, 1, "振幅(RMS)[V]", "2.0", {0.0001, 10, 4}},
        {FUNC_RANDOM, 2, "シード", "0", {0, 99999999, 0}},
        {FUNC_RANDOM, 3, "期間[秒]", "10.0", {0.01, 900, 2}},
    };
    const SignalDocument doc = tenVoltsTenMs();
    for (const Row& expected : rows) {
        SCOPED_TRACE(expected.label);
        const std::vector<FieldRow> table = fieldRows(expected.type, doc, Language::Japanese);
        ASSERT_LT(expected.slot, static_cast<int>(table.size()));
        const FieldRow& row = table[static_cast<std::size_t>(expected.slot)];
        EXPECT_EQ(row.label, expected.label);
        EXPECT_EQ(row.defaultText, expected.defaultText);
        EXPECT_DOUBLE_EQ(row.rule.minimum, expected.rule.minimum);
        EXPECT_DOUBLE_EQ(row.rule.maximum, expected.rule.maximum);
        EXPECT_EQ(row.rule.decimals, expected.rule.decimals);
    }
}

TEST(ParamFields, OneRowPerParameterSlot) {
    const SignalDocument doc = tenVoltsTenMs();
    for (FuncType type = FUNC_CONST; type < FUNC_SUM; ++type)
        EXPECT_EQ(static_cast<int>(fieldRows(type, doc, Language::Japanese).size()),
                  paramCountOf(type))
            << type;
}

TEST(ParamFields, NoRowsForCompositeUnknownTypesOrUnchosenRange) {
    const SignalDocument doc = tenVoltsTenMs();
    EXPECT_TRUE(fieldRows(FUNC_SUM, doc, Language::Japanese).empty());
    EXPECT_TRUE(fieldRows(FUNC_NONE, doc, Language::Japanese).empty());
    EXPECT_TRUE(fieldRows(9, doc, Language::Japanese).empty());
    EXPECT_TRUE(fieldRows(-1, doc, Language::Japanese).empty());
    EXPECT_TRUE(fieldRows(FUNC_CONST, settings(-1, 0, 0.01), Language::Japanese).empty());
}

TEST(ParamFields, NewElementShowsNormalisedDefaults) {
    const SignalDocument doc = tenVoltsTenMs();
    EXPECT_EQ(shownDefaults(FUNC_CONST, doc), (Texts{"0.0000", "10.00"}));
    EXPECT_EQ(shownDefaults(FUNC_SLOPE, doc), (Texts{"0.0000", "5.0000", "10.00"}));
    EXPECT_EQ(shownDefaults(FUNC_SIN, doc), (Texts{"0.0000", "5.0000", "5.00", "0", "10.00"}));
    EXPECT_EQ(shownDefaults(FUNC_RECT, doc), (Texts{"0.0000", "5.0000", "5.00", "5.00", "3"}));
    EXPECT_EQ(shownDefaults(FUNC_EXPO, doc), (Texts{"0.0000", "5.0000", "10.00", "30.00"}));
    EXPECT_EQ(shownDefaults(FUNC_RANDOM, doc), (Texts{"0.0000", "2.0000", "0", "10.00"}));
}

TEST(ParamFields, ValueRowsFollowEachRange) {
    struct Row {
        int rangeCode;
        double lower, upper;
        const char* sineLabel;
        Texts sine;   // base, amplitude as shown for a new sine
        Texts random; // base, amplitude as shown for a new random element
        const char* slopeEnd;
    };
    const Row rows[] = {
        {0, -10, 10, "基本値[V]", {"0.0000", "5.0000"}, {"0.0000", "2.0000"}, "5.0"},
        {1, -100, 100, "基本値[mV]", {"0.0000", "50.0000"}, {"0.0000", "20.0000"}, "50.0"},
        {2, 0, 20, "基本値[mA]", {"10.0000", "5.0000"}, {"10.0000", "2.0000"}, "10.0"},
        {3, 0, 20, "基本値[mA]", {"10.0000", "5.0000"}, {"10.0000", "2.0000"}, "10.0"},
        {4, -32, 32, "基本値[V]", {"0.0000", "16.0000"}, {"0.0000", "6.4000"}, "16.0"},
    };
    for (const Row& expected : rows) {
        SCOPED_TRACE(expected.rangeCode);
        const SignalDocument doc = settings(expected.rangeCode, 0, 0.01);
        const std::vector<FieldRow> sine = fieldRows(FUNC_SIN, doc, Language::Japanese);
        EXPECT_EQ(sine[0].label, expected.sineLabel);
        EXPECT_EQ(sine[0].rule, (FieldRule{expected.lower, expected.upper, 4}));
        // The amplitude floor is the same for every range.
        EXPECT_EQ(sine[1].rule, (FieldRule{0.01, expected.upper, 4}));
        const Texts shownSine = shownDefaults(FUNC_SIN, doc);
        EXPECT_EQ(Texts(shownSine.begin(), shownSine.begin() + 2), expected.sine);
        const Texts shownRandom = shownDefaults(FUNC_RANDOM, doc);
        EXPECT_EQ(Texts(shownRandom.begin(), shownRandom.begin() + 2), expected.random);
        EXPECT_EQ(fieldRows(FUNC_SLOPE, doc, Language::Japanese)[1].defaultText, expected.slopeEnd);
    }
}

TEST(ParamFields, TimeRowsFollowEachResolution) {
    struct Row {
        int resolutionCode;
        double interval, maxTime;
        int decimals;
        const char* holdTime; // a new constant's hold time as shown
    };
    const Row rows[] = {
        {0, 0.01, 900, 2, "10.00"},
        {1, 0.1, 7200, 1, "10.0"},
        {2, 1.0, 86400, 0, "10"},
        {3, 0.001, 90, 3, "10.000"},
    };
    for (const Row& expected : rows) {
        SCOPED_TRACE(expected.resolutionCode);
        const SignalDocument doc = settings(0, expected.resolutionCode, expected.interval);
        const std::vector<FieldRow> sine = fieldRows(FUNC_SIN, doc, Language::Japanese);
        EXPECT_DOUBLE_EQ(sine[2].rule.minimum, 20 * expected.interval);
        EXPECT_DOUBLE_EQ(sine[4].rule.minimum, expected.interval);
        EXPECT_DOUBLE_EQ(sine[4].rule.maximum, expected.maxTime);
        EXPECT_EQ(sine[4].rule.decimals, expected.decimals);
        EXPECT_DOUBLE_EQ(fieldRows(FUNC_SLOPE, doc, Language::Japanese)[2].rule.minimum,
                         2 * expected.interval);
        EXPECT_DOUBLE_EQ(fieldRows(FUNC_EXPO, doc, Language::Japanese)[2].rule.minimum,
                         10 * expected.interval);
        EXPECT_EQ(shownDefaults(FUNC_CONST, doc)[1], expected.holdTime);
        // Typing nothing usable into a time field leaves the shortest time, one sample.
        const FieldRule hold = fieldRows(FUNC_CONST, doc, Language::Japanese)[1].rule;
        EXPECT_DOUBLE_EQ(readFieldNumber(normalizeFieldText("abc", hold)), expected.interval);
    }
}

TEST(ParamFields, ReadsNumbersLikeAtof) {
    struct Row {
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"12.3456", 12.3456}, {"  -3.5", -3.5}, {"+2", 2},    {"12abc", 12},
        {".5", 0.5},          {"5.", 5},        {"1,5", 1},   {"1e3", 1000},
        {"0x10", 16},         {"abc", 0},       {"", 0},      {"-", 0},
        {"--5", 0},           {"+-5", 0},       {"\t\n7", 7}, {"1e-999", 0},
        {"nan", 0},           {"-nan", 0},      {"inf", 0},   {"-Infinity", 0},
        {"1e999", 0},         {"-1e999", 0},    {"0x", 0},    {"２", 0},
    };
    for (const Row& row : rows)
        EXPECT_EQ(readFieldNumber(row.text), row.value) << row.text;
}

TEST(ParamFields, NormalisesEnteredText) {
    const FieldRule bipolarValue{-10, 10, 4};
    const FieldRule holdTime{0.01, 900, 2};
    const FieldRule repeatCount{1, 999, 0};
    struct Row {
        const char* text;
        FieldRule rule;
        const char* shown;
    };
    const Row rows[] = {
        {"12.3456", bipolarValue, "10.0000"},
        {"-12.3456", bipolarValue, "-10.0000"},
        {"0.004", holdTime, "0.01"},
        {"abc", holdTime, "0.01"},
        {"-0.00006", bipolarValue, "-0.0001"},
        {"2.34567", bipolarValue, "2.3457"},
        {"-2.34567", bipolarValue, "-2.3457"},
        {"2.34564", bipolarValue, "2.3456"},
        // Too small to show keeps no sign.
        {"-0.00004", bipolarValue, "0.0000"},
        {"2.5", repeatCount, "3"},
        {"3.49", repeatCount, "3"},
        {"0", repeatCount, "1"},
        {"1e300", repeatCount, "999"},
        {"1e999", holdTime, "0.01"},
        {"nan", bipolarValue, "0.0000"},
        {"-inf", holdTime, "0.01"},
        {"123.456", holdTime, "123.46"},
        {"-2.5", FieldRule{-10, 10, 0}, "-3"},
        // Decimals outside 1 .. 4 round to whole numbers.
        {"2.6", FieldRule{0, 10, 7}, "3"},
        {"2.6", FieldRule{0, 10, -1}, "3"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(normalizeFieldText(row.text, row.rule), row.shown) << row.text;
}

TEST(ParamFields, NormalisedValueStaysInsideHugeLimits) {
    const FieldRule wide{-1e300, 1e300, 4};
    EXPECT_EQ(normalizeFieldValue(std::numeric_limits<double>::infinity(), wide), 0.0);
    EXPECT_EQ(normalizeFieldValue(std::numeric_limits<double>::quiet_NaN(), wide), 0.0);
    const double big = normalizeFieldValue(1e300, wide);
    EXPECT_TRUE(std::isfinite(big));
    EXPECT_NEAR(big / 1e300, 1.0, 1e-12);
    EXPECT_FALSE(std::signbit(normalizeFieldValue(-0.0, wide)));
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(normalizeFieldValue(largest, FieldRule{-largest, largest, 4}), largest);
}

TEST(ParamFields, LabelsInEnglishWithTheRangesUnit) {
    SignalDocument doc = tenVoltsTenMs();
    doc.rangeCode = 1; // ±100 mV
    const std::vector<FieldRow> random = fieldRows(FUNC_RANDOM, doc, Language::English);
    ASSERT_EQ(random.size(), 4u);
    EXPECT_EQ(random[0].label, "Base value [mV]");
    EXPECT_EQ(random[1].label, "RMS [mV]");
    EXPECT_EQ(random[2].label, "Seed");
    EXPECT_EQ(random[3].label, "Duration [s]");
    // The rules do not depend on the language.
    const std::vector<FieldRow> japanese = fieldRows(FUNC_RANDOM, doc, Language::Japanese);
    for (std::size_t i = 0; i < random.size(); ++i)
        EXPECT_EQ(random[i].rule, japanese[i].rule) << i;
}
