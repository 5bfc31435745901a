// Formulas f(t) for the formula generator: read once into code for a small stack machine, then
// evaluated for every sample without looking at the text again.
#pragma once

#include "model/generator_settings.h"

#include <string_view>
#include <vector>

enum class FormulaOpKind : unsigned char {
    Number,
    Time,
    Duration,
    Negate,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Equal,
    NotEqual,
    If,
    Sin,
    Cos,
    Tan,
    Asin,
    Acos,
    Atan,
    Atan2,
    Sinh,
    Cosh,
    Tanh,
    Exp,
    Log,
    Log10,
    Sqrt,
    Abs,
    Sign,
    Floor,
    Ceil,
    Round,
    Min,
    Max,
    Mod,
    Clamp,
    Step,
    Ramp,
};

struct FormulaOp {
    FormulaOpKind kind = FormulaOpKind::Number;
    double number = 0.0; // for Number
};

// Postfix code: each op takes its operands from the top of the stack and leaves its value there.
struct FormulaCode {
    std::vector<FormulaOp> ops;
    std::size_t stackSize = 0; // the deepest the stack gets
};

struct FormulaRead {
    FormulaCode code;
    FormulaError error; // problem None when the text was read

    bool ok() const { return error.problem == FormulaProblem::None; }
};

// Numbers (1.5, 2e-3); t, T (the duration), pi, e; + - * / ^ (right-associative, above unary
// minus: -2^2 is -4), parentheses; < <= > >= == != giving 1 or 0; if(c, a, b) and the functions
// of FormulaOpKind by their lower-case names. At most FormulaMaxLength characters and
// FormulaMaxDepth nested parentheses and calls.
FormulaRead readFormula(std::string_view text);

// The value at t seconds of a block lasting `duration`; the stack is the caller's, so that many
// samples need not allocate one each.
double evaluateFormula(const FormulaCode& code, double t, double duration,
                       std::vector<double>& stack);
