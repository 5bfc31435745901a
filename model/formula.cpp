#include "model/formula.h"

#include <algorithm>
#include <cmath>

namespace {

double truth(bool value) {
    return value ? 1.0 : 0.0;
}

double sign(double x) {
    return x > 0.0 ? 1.0 : x < 0.0 ? -1.0 : x;
}

// The remainder with the sign of the divisor, so that mod(t, 1) saws upwards for negative t too.
double modulo(double a, double b) {
    return a - b * std::floor(a / b);
}

} // namespace

double evaluateFormula(const FormulaCode& code, double t, double duration,
                       std::vector<double>& stack) {
    // Code that was never read holds no ops and leaves the 0 at the bottom.
    if (stack.size() < std::max<std::size_t>(code.stackSize, 1))
        stack.assign(std::max<std::size_t>(code.stackSize, 1), 0.0);
    double* const values = stack.data();
    std::size_t height = 0; // values on the stack; the code was read to need no more than its size
    for (const FormulaOp& op : code.ops) {
        switch (op.kind) {
        case FormulaOpKind::Number:
            values[height++] = op.number;
            continue;
        case FormulaOpKind::Time:
            values[height++] = t;
            continue;
        case FormulaOpKind::Duration:
            values[height++] = duration;
            continue;
        case FormulaOpKind::If:
            height -= 2;
            values[height - 1] = values[height - 1] != 0.0 ? values[height] : values[height + 1];
            continue;
        case FormulaOpKind::Clamp:
            height -= 2;
            values[height - 1] =
                std::min(std::max(values[height - 1], values[height]), values[height + 1]);
            continue;
        default:
            break;
        }
        if (op.kind >= FormulaOpKind::Add && op.kind <= FormulaOpKind::NotEqual) {
            const double b = values[--height];
            double& a = values[height - 1];
            switch (op.kind) {
            case FormulaOpKind::Add:
                a += b;
                break;
            case FormulaOpKind::Subtract:
                a -= b;
                break;
            case FormulaOpKind::Multiply:
                a *= b;
                break;
            case FormulaOpKind::Divide:
                a /= b;
                break;
            case FormulaOpKind::Power:
                a = std::pow(a, b);
                break;
            case FormulaOpKind::Less:
                a = truth(a < b);
                break;
            case FormulaOpKind::LessEqual:
                a = truth(a <= b);
                break;
            case FormulaOpKind::Greater:
                a = truth(a > b);
                break;
            case FormulaOpKind::GreaterEqual:
                a = truth(a >= b);
                break;
            case FormulaOpKind::Equal:
                a = truth(a == b);
                break;
            default:
                a = truth(a != b);
                break;
            }
            continue;
        }
        if (op.kind == FormulaOpKind::Atan2 || op.kind == FormulaOpKind::Min ||
            op.kind == FormulaOpKind::Max || op.kind == FormulaOpKind::Mod) {
            const double b = values[--height];
            double& a = values[height - 1];
            a = op.kind == FormulaOpKind::Atan2 ? std::atan2(a, b)
                : op.kind == FormulaOpKind::Min ? std::min(a, b)
                : op.kind == FormulaOpKind::Max ? std::max(a, b)
                                                : modulo(a, b);
            continue;
        }
        double& x = values[height - 1];
        switch (op.kind) {
        case FormulaOpKind::Negate:
            x = -x;
            break;
        case FormulaOpKind::Sin:
            x = std::sin(x);
            break;
        case FormulaOpKind::Cos:
            x = std::cos(x);
            break;
        case FormulaOpKind::Tan:
            x = std::tan(x);
            break;
        case FormulaOpKind::Asin:
            x = std::asin(x);
            break;
        case FormulaOpKind::Acos:
            x = std::acos(x);
            break;
        case FormulaOpKind::Atan:
            x = std::atan(x);
            break;
        case FormulaOpKind::Sinh:
            x = std::sinh(x);
            break;
        case FormulaOpKind::Cosh:
            x = std::cosh(x);
            break;
        case FormulaOpKind::Tanh:
            x = std::tanh(x);
            break;
        case FormulaOpKind::Exp:
            x = std::exp(x);
            break;
        case FormulaOpKind::Log:
            x = std::log(x);
            break;
        case FormulaOpKind::Log10:
            x = std::log10(x);
            break;
        case FormulaOpKind::Sqrt:
            x = std::sqrt(x);
            break;
        case FormulaOpKind::Abs:
            x = std::fabs(x);
            break;
        case FormulaOpKind::Sign:
            x = sign(x);
            break;
        case FormulaOpKind::Floor:
            x = std::floor(x);
            break;
        case FormulaOpKind::Ceil:
            x = std::ceil(x);
            break;
        case FormulaOpKind::Round:
            x = std::round(x);
            break;
        case FormulaOpKind::Step:
            x = truth(x >= 0.0);
            break;
        default:
            x = std::max(x, 0.0);
            break;
        }
    }
    return values[0];
}
