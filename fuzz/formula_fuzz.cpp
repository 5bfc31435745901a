// Every formula text is either read, or refused at a column inside it; every formula read either
// gives elements whose samples keep to its values within the tolerance, or is refused with the
// time of a value that is not a finite number.
#include "model/formula.h"
#include "model/formula_generator.h"
#include "model/synthesis.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Two seconds at 10 ms: enough samples to fit, few enough for thousands of runs a second.
constexpr double Duration = 2.0;
constexpr double Interval = 0.01;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

void checkRead(std::string_view text, const FormulaRead& read) {
    if (read.ok() == read.code.ops.empty())
        fail("a formula read has no code, or a refused one has");
    const int columns = static_cast<int>(text.size()) + 1;
    if (!read.ok() && read.error.problem != FormulaProblem::TooLong &&
        (read.error.column < 1 || read.error.column > columns))
        fail("the column of an error is outside the text");
}

void checkMade(const FormulaSettings& settings, const FormulaRead& read) {
    const GeneratorResult made = makeFormula(settings, {0, 0});
    if (!made.ok()) {
        const FormulaProblem problem = made.refusal.formula.problem;
        if (problem != FormulaProblem::NotFinite && problem != FormulaProblem::HugeValue)
            fail("a formula read is refused for its text");
        return;
    }
    std::vector<double> stack;
    TracePoints trace;
    rebuildSamples(made.elements, Interval, trace);
    if (trace.pointCount() != static_cast<int>(Duration / Interval) + 1)
        fail("the elements do not last the duration");
    std::vector<double> values;
    for (int k = 0; k + 1 < trace.pointCount(); ++k)
        values.push_back(evaluateFormula(read.code, k * Interval, Duration, stack));
    // Parameters keep 4 decimals and 6 significant digits: a slope's ends may be the largest
    // values. Beyond 100 the sixth digit is the third decimal, and the rounding of both ends of a
    // slope adds up on the samples between them.
    double largest = 0.0;
    for (const double value : values)
        largest = std::max(largest, std::fabs(value));
    const double halfUnit = std::max(0.00005, 5e-6 * largest);
    const double rounding = (largest < 100.0 ? halfUnit : 2.0 * halfUnit) * (1.0 + 1e-6);
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (!(std::fabs(trace.pointAt(static_cast<int>(k)).value - values[k]) <=
              settings.tolerance + rounding))
            fail("a sample strays beyond the tolerance");
    }
    for (const SignalElement& element : made.elements) {
        if (element.type != FUNC_CONST && (settings.steps || element.type != FUNC_SLOPE))
            fail("an element other than the shape asks for");
    }
}

} // namespace

// The first byte picks the tolerance and the shape, the rest is the formula.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const FormulaRead read = readFormula(text);
    checkRead(text, read);
    if (read.ok())
        checkMade({text, Duration, 0.01 * (data[0] >> 1), (data[0] & 1) != 0}, read);
    return 0;
}
