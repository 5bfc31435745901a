#include "model/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

TEST(NumberText, FixedMatchesPrintfRounding) {
    EXPECT_EQ(formatFixed(0.0, 4), "0.0000");
    EXPECT_EQ(formatFixed(-2.34567, 4), "-2.3457");
    EXPECT_EQ(formatFixed(90.0, 0), "90");
    EXPECT_EQ(formatFixed(0.5, 0), "0");      // exact half rounds to even, as printf does
    EXPECT_EQ(formatFixed(2.675, 2), "2.67"); // 2.675 is stored just below the half
    EXPECT_EQ(formatFixed(1e300, 1).size(), 303u);
}

TEST(NumberText, GeneralHasSixSignificantDigits) {
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(10.0), "10");
    EXPECT_EQ(formatGeneral(0.001), "0.001");
    EXPECT_EQ(formatGeneral(123456789.0), "1.23457e+08");
    EXPECT_EQ(formatGeneral(1e-5), "1e-05");
    EXPECT_EQ(formatGeneral(-3.14159265), "-3.14159");
}

TEST(NumberText, NonFiniteAndLocaleIndependent) {
    EXPECT_EQ(formatFixed(std::numeric_limits<double>::infinity(), 4), "inf");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::quiet_NaN()), "nan");
    // A decimal-comma locale must not change file bytes.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(formatFixed(1.5, 2), "1.50");
        std::setlocale(LC_ALL, "C");
    }
}

TEST(NumberText, GroupedThousands) {
    const std::pair<long long, const char*> cases[] = {
        {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"}, {-1234, "-1,234"}};
    for (const auto& [count, text] : cases)
        EXPECT_EQ(groupedThousands(count), text) << count;
}
