// Reads the text of a formula into postfix code by recursive descent, one token ahead.
#include "model/formula.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace {

struct Function {
    std::string_view name;
    FormulaOpKind kind;
    int arguments;
};

constexpr Function Functions[] = {
    {"if", FormulaOpKind::If, 3},     {"sin", FormulaOpKind::Sin, 1},
    {"cos", FormulaOpKind::Cos, 1},   {"tan", FormulaOpKind::Tan, 1},
    {"asin", FormulaOpKind::Asin, 1}, {"acos", FormulaOpKind::Acos, 1},
    {"atan", FormulaOpKind::Atan, 1}, {"atan2", FormulaOpKind::Atan2, 2},
    {"sinh", FormulaOpKind::Sinh, 1}, {"cosh", FormulaOpKind::Cosh, 1},
    {"tanh", FormulaOpKind::Tanh, 1}, {"exp", FormulaOpKind::Exp, 1},
    {"log", FormulaOpKind::Log, 1},   {"log10", FormulaOpKind::Log10, 1},
    {"sqrt", FormulaOpKind::Sqrt, 1}, {"abs", FormulaOpKind::Abs, 1},
    {"sign", FormulaOpKind::Sign, 1}, {"floor", FormulaOpKind::Floor, 1},
    {"ceil", FormulaOpKind::Ceil, 1}, {"round", FormulaOpKind::Round, 1},
    {"min", FormulaOpKind::Min, 2},   {"max", FormulaOpKind::Max, 2},
    {"mod", FormulaOpKind::Mod, 2},   {"clamp", FormulaOpKind::Clamp, 3},
    {"step", FormulaOpKind::Step, 1}, {"ramp", FormulaOpKind::Ramp, 1},
};

enum class Token { End, Number, Name, Operator, Bad };

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

bool startsName(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool continuesName(char c) {
    return startsName(c) || isDigit(c);
}

// A UTF-8 byte that continues a character rather than starting one.
bool continues(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t characters(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return !continues(c); }));
}

// The value of a number's text; past the largest double it is infinite, below the smallest 0.
double numberValue(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool tiny =
            text.find("e-") != std::string_view::npos || text.find("E-") != std::string_view::npos;
        return tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return value;
}

class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) { next(); }

    FormulaRead read() {
        if (characters(text_) > FormulaMaxLength) {
            read_.error.problem = FormulaProblem::TooLong;
            return read_;
        }
        if (expression(0) && token_ != Token::End)
            fail(FormulaProblem::ExpectedOperator);
        // A refused text leaves no code half made.
        if (!read_.ok())
            read_.code = {};
        else
            read_.code.stackSize = deepest_;
        return read_;
    }

  private:
    int column(std::size_t at) const {
        return static_cast<int>(characters(text_.substr(0, at))) + 1;
    }

    bool fail(FormulaProblem problem, std::size_t at, std::string name = {}, int arguments = 0) {
        if (read_.ok())
            read_.error = {problem, column(at), std::move(name), arguments, 0.0};
        return false;
    }
    // A character no token starts with is what is wrong, whatever was expected there.
    bool fail(FormulaProblem problem) {
        return fail(token_ == Token::Bad ? FormulaProblem::BadCharacter : problem, start_);
    }

    void next() {
        while (at_ < text_.size() &&
               std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos)
            ++at_;
        start_ = at_;
        if (at_ == text_.size()) {
            token_ = Token::End;
        } else if (isDigit(text_[at_]) || text_[at_] == '.') {
            token_ = Token::Number;
            scanNumber();
        } else if (startsName(text_[at_])) {
            token_ = Token::Name;
            while (at_ < text_.size() && continuesName(text_[at_]))
                ++at_;
        } else if (std::string_view("+-*/^(),").find(text_[at_]) != std::string_view::npos) {
            token_ = Token::Operator;
            ++at_;
        } else if (std::string_view("<>=!").find(text_[at_]) != std::string_view::npos) {
            token_ = Token::Operator;
            const bool pair = at_ + 1 < text_.size() && text_[at_ + 1] == '=';
            const bool alone = text_[at_] == '<' || text_[at_] == '>';
            token_ = pair || alone ? Token::Operator : Token::Bad;
            at_ += pair ? 2 : 1;
        } else {
            token_ = Token::Bad;
        }
        tokenText_ = text_.substr(start_, at_ - start_);
    }

    void scanNumber() {
        const auto digits = [&] {
            const std::size_t from = at_;
            while (at_ < text_.size() && isDigit(text_[at_]))
                ++at_;
            return at_ > from;
        };
        bool any = digits();
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            any = digits() || any;
        }
        if (!any) {
            token_ = Token::Bad;
            return;
        }
        // An exponent only where digits follow: "2e" is 2 and the name e.
        std::size_t exponent = at_;
        if (exponent < text_.size() && (text_[exponent] == 'e' || text_[exponent] == 'E')) {
            ++exponent;
            if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-'))
                ++exponent;
            if (exponent < text_.size() && isDigit(text_[exponent])) {
                at_ = exponent;
                digits();
            }
        }
    }

    bool isOperator(std::string_view op) const {
        return token_ == Token::Operator && tokenText_ == op;
    }

    void emit(FormulaOpKind kind, double number = 0.0) {
        read_.code.ops.push_back({kind, number});
        // Each op leaves one value; a number or name adds one, the others take more than one.
        switch (kind) {
        case FormulaOpKind::Number:
        case FormulaOpKind::Time:
        case FormulaOpKind::Duration:
            deepest_ = std::max(deepest_, ++height_);
            break;
        default:
            height_ -= arguments(kind) - 1;
        }
    }

    static std::size_t arguments(FormulaOpKind kind) {
        if (kind == FormulaOpKind::Negate)
            return 1;
        if (kind >= FormulaOpKind::Add && kind <= FormulaOpKind::NotEqual)
            return 2;
        const auto* found = std::find_if(std::begin(Functions), std::end(Functions),
                                         [&](const Function& f) { return f.kind == kind; });
        return static_cast<std::size_t>(found->arguments);
    }

    // comparison: sum (("<" | "<=" | ">" | ">=" | "==" | "!=") sum)*
    bool expression(int depth) {
        if (!sum(depth))
            return false;
        static constexpr std::pair<std::string_view, FormulaOpKind> Comparisons[] = {
            {"<", FormulaOpKind::Less},    {"<=", FormulaOpKind::LessEqual},
            {">", FormulaOpKind::Greater}, {">=", FormulaOpKind::GreaterEqual},
            {"==", FormulaOpKind::Equal},  {"!=", FormulaOpKind::NotEqual}};
        for (;;) {
            const auto* op = std::find_if(std::begin(Comparisons), std::end(Comparisons),
                                          [&](const auto& c) { return isOperator(c.first); });
            if (op == std::end(Comparisons))
                return true;
            next();
            if (!sum(depth))
                return false;
            emit(op->second);
        }
    }

    // sum: product (("+" | "-") product)*
    bool sum(int depth) {
        if (!product(depth))
            return false;
        while (isOperator("+") || isOperator("-")) {
            const FormulaOpKind kind =
                isOperator("+") ? FormulaOpKind::Add : FormulaOpKind::Subtract;
            next();
            if (!product(depth))
                return false;
            emit(kind);
        }
        return true;
    }

    // product: unary (("*" | "/") unary)*
    bool product(int depth) {
        if (!unary(depth))
            return false;
        while (isOperator("*") || isOperator("/")) {
            const FormulaOpKind kind =
                isOperator("*") ? FormulaOpKind::Multiply : FormulaOpKind::Divide;
            next();
            if (!unary(depth))
                return false;
            emit(kind);
        }
        return true;
    }

    int minusSigns() {
        int count = 0;
        while (isOperator("-") || isOperator("+")) {
            count += isOperator("-") ? 1 : 0;
            next();
        }
        return count;
    }

    // unary: ("-" | "+")* primary ("^" unary)?, read as a loop so that a long chain of signs or
    // powers costs no depth: p0 ^ -p1 ^ p2 is p0 ^ (-(p1 ^ p2)).
    bool unary(int depth) {
        std::vector<int> signs{minusSigns()};
        if (!primary(depth))
            return false;
        while (isOperator("^")) {
            next();
            signs.push_back(minusSigns());
            if (!primary(depth))
                return false;
        }
        for (std::size_t level = signs.size(); level-- > 0;) {
            if (level + 1 < signs.size())
                emit(FormulaOpKind::Power);
            if (signs[level] % 2 == 1)
                emit(FormulaOpKind::Negate);
        }
        return true;
    }

    bool primary(int depth) {
        if (token_ == Token::Number) {
            emit(FormulaOpKind::Number, numberValue(tokenText_));
            next();
            return true;
        }
        if (isOperator("(")) {
            if (depth == FormulaMaxDepth)
                return fail(FormulaProblem::TooDeep);
            next();
            if (!expression(depth + 1))
                return false;
            if (!isOperator(")"))
                return fail(FormulaProblem::ExpectedClose);
            next();
            return true;
        }
        if (token_ == Token::Name)
            return name(depth);
        return fail(FormulaProblem::ExpectedValue);
    }

    bool name(int depth) {
        const std::string_view word = tokenText_;
        const std::size_t at = start_;
        next();
        if (word == "t" || word == "T") {
            emit(word == "t" ? FormulaOpKind::Time : FormulaOpKind::Duration);
            return true;
        }
        if (word == "pi" || word == "e") {
            emit(FormulaOpKind::Number, word == "pi" ? std::numbers::pi : std::numbers::e);
            return true;
        }
        const auto* function = std::find_if(std::begin(Functions), std::end(Functions),
                                            [&](const Function& f) { return f.name == word; });
        if (function == std::end(Functions))
            return fail(FormulaProblem::UnknownName, at, std::string(word));
        if (!isOperator("("))
            return fail(FormulaProblem::ExpectedOpen);
        if (depth == FormulaMaxDepth)
            return fail(FormulaProblem::TooDeep);
        next();
        int given = 0;
        for (;;) {
            if (!expression(depth + 1))
                return false;
            ++given;
            if (isOperator(")"))
                break;
            if (!isOperator(","))
                return fail(given < function->arguments ? FormulaProblem::ExpectedComma
                                                        : FormulaProblem::ExpectedClose);
            next();
        }
        if (given != function->arguments)
            return fail(FormulaProblem::ArgumentCount, at, std::string(word), function->arguments);
        next();
        emit(function->kind);
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;    // where the next token starts
    std::size_t start_ = 0; // where the current token starts
    Token token_ = Token::End;
    std::string_view tokenText_;
    FormulaRead read_;
    std::size_t height_ = 0;
    std::size_t deepest_ = 0;
};

} // namespace

FormulaRead readFormula(std::string_view text) {
    return Reader(text).read();
}
