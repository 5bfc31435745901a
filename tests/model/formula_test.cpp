#include "model/formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr double Pi = std::numbers::pi;

// The formula's value at t = 0.25 s of a 2 s block.
double valueOf(const std::string& text) {
    const FormulaRead read = readFormula(text);
    EXPECT_TRUE(read.ok()) << text << ": column " << read.error.column;
    std::vector<double> stack;
    return evaluateFormula(read.code, 0.25, 2.0, stack);
}

} // namespace

TEST(Formula, ExpressionsAndTheirValues) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"1.5", 1.5},
        {"2e-3", 0.002},
        {".5 + 5.", 5.5},
        {"1E2", 100},
        {"t", 0.25},
        {"T", 2},
        {"pi", Pi},
        {"e", std::numbers::e},
        {"2*e", 2 * std::numbers::e},
        {"1 + 2 * 3", 7},
        {"(1 + 2) * 3", 9},
        {"7 / 2 - 1", 2.5},
        {"8 - 2 - 1", 5},
        {"2 ^ 3 ^ 2", 512},
        {"-2 ^ 2", -4},
        {"2 ^ -1", 0.5},
        {"2 ^ -1 ^ 2", 0.5},
        {"--3", 3},
        {"2 * -t", -0.5},
        {"1 < 2", 1},
        {"2 <= 1", 0},
        {"3 > 2", 1},
        {"2 >= 3", 0},
        {"1 == 1", 1},
        {"1 != 1", 0},
        {"1 + 1 == 2", 1},
        {"if(t < 0.5, 1, -1)", 1},
        {"if(0, 1, 2)", 2},
        {"sin(pi / 2)", 1},
        {"cos(0)", 1},
        {"tan(0)", 0},
        {"asin(1)", Pi / 2},
        {"acos(1)", 0},
        {"atan(1)", Pi / 4},
        {"atan2(1, -1)", 3 * Pi / 4},
        {"sinh(0) + cosh(0) + tanh(0)", 1},
        {"exp(1)", std::numbers::e},
        {"log(e)", 1},
        {"log10(1000)", 3},
        {"sqrt(16)", 4},
        {"abs(-2)", 2},
        {"sign(-3) + sign(0) + sign(t)", 0},
        {"floor(-1.5)", -2},
        {"ceil(1.2)", 2},
        {"round(2.5) + round(-2.5)", 0},
        {"min(1, 2) + max(1, 2)", 3},
        {"mod(7, 3)", 1},
        {"mod(-1, 3)", 2},
        {"clamp(5, 0, 3) + clamp(-1, 0, 3)", 3},
        {"step(0) + step(-1)", 1},
        {"ramp(-2) + ramp(2)", 2},
        {" \t1\r\n+ 1 ", 2},
        // The examples of the help pages.
        {"if(mod(t,1)<0.5,1,-1)", 1},
        {"mod(t,2)/2", 0.125},
        {"exp(-t/3)*sin(2*pi*t)", std::exp(-0.25 / 3)},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(valueOf(c.text), c.value, 1e-12) << c.text;
}

TEST(Formula, ErrorsNameTheColumnAndWhatWasExpected) {
    const std::string deep = std::string(101, '(') + "1" + std::string(101, ')');
    const std::string deepest = std::string(100, '(') + "1" + std::string(100, ')');
    const std::string calls = "sin(" + std::string(99, '(') + "1" + std::string(100, ')');
    const struct {
        std::string text;
        FormulaProblem problem;
        int column;
    } cases[] = {
        {"", FormulaProblem::ExpectedValue, 1},
        {"1 +", FormulaProblem::ExpectedValue, 4},
        {"(1 + 2", FormulaProblem::ExpectedClose, 7},
        {"sin(1", FormulaProblem::ExpectedClose, 6},
        {"min(1 2)", FormulaProblem::ExpectedComma, 7},
        {"1 2", FormulaProblem::ExpectedOperator, 3},
        {"2e", FormulaProblem::ExpectedOperator, 2},
        {"t(1)", FormulaProblem::ExpectedOperator, 2},
        {"1 + )", FormulaProblem::ExpectedValue, 5},
        {"sin 1", FormulaProblem::ExpectedOpen, 5},
        {"2 * foo(1)", FormulaProblem::UnknownName, 5},
        {"Sin(1)", FormulaProblem::UnknownName, 1},
        {"1 + min(1)", FormulaProblem::ArgumentCount, 5},
        {"sin(1, 2)", FormulaProblem::ArgumentCount, 1},
        {"1 # 2", FormulaProblem::BadCharacter, 3},
        {"1 = 2", FormulaProblem::BadCharacter, 3},
        {"!1", FormulaProblem::BadCharacter, 1},
        {".", FormulaProblem::BadCharacter, 1},
        {"1 + ×", FormulaProblem::BadCharacter, 5},
        {deep, FormulaProblem::TooDeep, 101},
        {calls + ")", FormulaProblem::ExpectedOperator, 205},
        {"sin(" + std::string(100, '(') + "1", FormulaProblem::TooDeep, 104},
        {std::string(1001, '1'), FormulaProblem::TooLong, 0},
        {std::string(999, '-'), FormulaProblem::ExpectedValue, 1000},
    };
    for (const auto& c : cases) {
        const FormulaRead read = readFormula(c.text);
        EXPECT_EQ(read.error.problem, c.problem) << c.text;
        EXPECT_EQ(read.error.column, c.column) << c.text;
    }
    EXPECT_TRUE(readFormula(deepest).ok());
    EXPECT_TRUE(readFormula(std::string(999, '1')).ok());
    EXPECT_EQ(readFormula("atan2(1)").error.name, "atan2");
    EXPECT_EQ(readFormula("atan2(1)").error.arguments, 2);
    EXPECT_EQ(readFormula("x + 1").error.name, "x");
}

// Long chains of signs and powers read as loops, not as nesting: the stack holds every operand.
TEST(Formula, LongChainsOfPowersAndSigns) {
    std::string powers = "1";
    for (int i = 0; i < 300; ++i)
        powers += "^-1";
    EXPECT_EQ(valueOf(powers), 1);
    EXPECT_EQ(valueOf(std::string(999, '-') + "1"), -1);
}

TEST(Formula, NumbersPastTheLargestDoubleAreInfinite) {
    EXPECT_TRUE(std::isinf(valueOf("1e999")));
    EXPECT_EQ(valueOf("1e-999"), 0);
}
