#include "model/catalogue.h"

#include <gtest/gtest.h>

TEST(Catalogue, TablesByCode) {
    struct Row {
        FuncType type;
        const char* keyword;
        const char* name;
        int params;
    };
    const Row rows[] = {
        {FUNC_NONE, "FUNC_NONE", "", 0},           {FUNC_CONST, "FUNC_CONST", "固定値", 2},
        {FUNC_SLOPE, "FUNC_SLOPE", "スロープ", 3}, {FUNC_RECT, "FUNC_RECT", "矩形波", 5},
        {FUNC_TRI, "FUNC_TRI", "三角波", 5},       {FUNC_SIN, "FUNC_SIN", "正弦波", 5},
        {FUNC_EXPO, "FUNC_EXPO", "飽和/減衰", 4},  {FUNC_RANDOM, "FUNC_RANDOM", "ランダム", 4},
        {FUNC_SUM, "FUNC_SUM", "合成", 2},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.keyword);
        EXPECT_EQ(keywordOf(row.type), row.keyword);
        EXPECT_EQ(displayNameOf(row.type, Language::Japanese), row.name);
        EXPECT_EQ(paramCountOf(row.type), row.params);
    }
}

TEST(Catalogue, UnknownCodesGiveEmptyText) {
    for (FuncType type : {-1, 9, 1000, -2147483647 - 1}) {
        EXPECT_EQ(keywordOf(type), "");
        EXPECT_EQ(displayNameOf(type, Language::Japanese), "");
        EXPECT_EQ(paramCountOf(type), 0);
    }
}

TEST(Catalogue, KeywordIsAPrefixUpToTheHighestCode) {
    EXPECT_EQ(typeFromKeyword("FUNC_CONST", HighestFuncType), FUNC_CONST);
    EXPECT_EQ(typeFromKeyword("FUNC_EXPO", HighestSubTypeA), FUNC_EXPO);
    EXPECT_EQ(typeFromKeyword("FUNC_RANDOM", HighestSubTypeA), std::nullopt);
    EXPECT_EQ(typeFromKeyword("FUNC_RANDOM", HighestSubTypeB), FUNC_RANDOM);
    EXPECT_EQ(typeFromKeyword("FUNC_SUM", HighestSubTypeB), std::nullopt);
    EXPECT_EQ(typeFromKeyword("FUNC_SUMMARY", HighestFuncType), FUNC_SUM);
    EXPECT_EQ(typeFromKeyword("FUNC_SINE", HighestFuncType), FUNC_SIN);
    EXPECT_EQ(typeFromKeyword("FUNC_NONE", HighestFuncType), std::nullopt);
    EXPECT_EQ(typeFromKeyword("FUNC_SI", HighestFuncType), std::nullopt);
    EXPECT_EQ(typeFromKeyword("func_sin", HighestFuncType), std::nullopt);
    EXPECT_EQ(typeFromKeyword(" FUNC_SIN", HighestFuncType), std::nullopt);
    EXPECT_EQ(typeFromKeyword("", HighestFuncType), std::nullopt);
    // A caller passing a highest code beyond the table must not read past it.
    EXPECT_EQ(typeFromKeyword("FUNC_SUM", 100), FUNC_SUM);
    EXPECT_EQ(typeFromKeyword("FUNC_CONST", 0), std::nullopt);
}

TEST(Catalogue, EnglishNames) {
    const char* const names[] = {"",     "Constant",    "Slope",  "Rectangle", "Triangle",
                                 "Sine", "Exponential", "Random", "Sum"};
    for (FuncType type = FUNC_NONE; type <= HighestFuncType; ++type)
        EXPECT_EQ(displayNameOf(type, Language::English), names[type]);
    EXPECT_EQ(displayNameOf(9, Language::English), "");
}
