#include "model/formula_generator.h"

#include "model/formula.h"
#include "model/tables.h"
#include "tests/support/element_samples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

} // namespace

// The help pages' examples, fitted with slopes and with constants only.
TEST(FormulaGenerator, ElementsFollowTheFormulaSampleBySample) {
    const struct {
        const char* text;
        double (*closedForm)(double t);
        double duration;
        double tolerance;
        bool steps;
        int resolutionCode;
    } cases[] = {
        {"if(mod(t,1)<0.5,1,-1)", [](double t) { return std::fmod(t, 1) < 0.5 ? 1.0 : -1.0; }, 5,
         0.0, false, 3},
        {"mod(t,2)/2", [](double t) { return std::fmod(t, 2) / 2; }, 10, 0.001, false, 3},
        {"exp(-t/3)*sin(2*pi*t)", [](double t) { return std::exp(-t / 3) * std::sin(2 * Pi * t); },
         20, 0.001, false, 3},
        {"exp(-t/3)*sin(2*pi*t)", [](double t) { return std::exp(-t / 3) * std::sin(2 * Pi * t); },
         20, 0.05, true, 0},
        {"5*t/T", [](double t) { return t / 4; }, 20, 0.01, true, 1},
    };
    for (const auto& c : cases) {
        const GeneratorResult made =
            makeFormula({c.text, c.duration, c.tolerance, c.steps}, {0, c.resolutionCode});
        ASSERT_TRUE(made.ok()) << c.text;
        EXPECT_TRUE(made.fitted);
        const double dt = resolution(c.resolutionCode).sampleInterval;
        const auto samples = std::llround(c.duration / dt);
        expectSamplesFollow(made.elements, dt, samples, c.tolerance, c.closedForm);
        EXPECT_LE(made.summary.largestDeviation, c.tolerance + parameterRounding(1));
        for (const SignalElement& element : made.elements)
            EXPECT_TRUE(element.type == FUNC_CONST || (!c.steps && element.type == FUNC_SLOPE))
                << c.text;
    }
}

TEST(FormulaGenerator, ASquareWaveIsFewConstants) {
    const GeneratorResult made = makeFormula({"if(mod(t,1)<0.5,1,-1)", 5, 0, true}, {0, 0});
    ASSERT_TRUE(made.ok());
    EXPECT_EQ(made.elements.size(), 10u);
}

TEST(FormulaGenerator, RefusesTheTextOrAValueWithWhereItIs) {
    const struct {
        const char* text;
        FormulaProblem problem;
        int column;
        double time;
    } cases[] = {
        {"sin(2*pi*t", FormulaProblem::ExpectedClose, 11, 0},
        {"1/(t-1)", FormulaProblem::NotFinite, 0, 1.0},
        {"log(t)", FormulaProblem::NotFinite, 0, 0.0},
        {"sqrt(1-t)", FormulaProblem::NotFinite, 0, 1.01},
        {"2e14*t", FormulaProblem::HugeValue, 0, 0.01},
    };
    for (const auto& c : cases) {
        const GeneratorResult made = makeFormula({c.text, 2, 0.001, false}, {0, 0});
        EXPECT_EQ(made.refusal.problem, GeneratorProblem::Formula) << c.text;
        EXPECT_EQ(made.refusal.field, TextId::GenerateExpression);
        EXPECT_EQ(made.refusal.formula.problem, c.problem) << c.text;
        EXPECT_EQ(made.refusal.formula.column, c.column) << c.text;
        EXPECT_DOUBLE_EQ(made.refusal.formula.time, c.time) << c.text;
    }
    EXPECT_EQ(makeFormula({"t", 100, 0, false}, {0, 3}).refusal.problem,
              GeneratorProblem::AboveMaximum);
    EXPECT_EQ(makeFormula({"t", 1, 0, false}, {-1, 3}).refusal.problem, GeneratorProblem::NoRange);
}
