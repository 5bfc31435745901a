#include "model/formula_generator.h"

#include "model/formula.h"
#include "model/generator_fields.h"

#include <cmath>
#include <vector>

GeneratorResult makeFormula(const FormulaSettings& settings, const GeneratorTarget& target) {
    GeneratorResult result;
    GeneratorFields fields(target, result);
    const FormulaRead read = readFormula(settings.text);
    if (!read.ok() && fields.ok()) {
        fields.refuse(GeneratorProblem::Formula, TextId::GenerateExpression);
        result.refusal.formula = read.error;
    }
    const std::int64_t samples = fields.samples(settings.duration, TextId::GenerateDuration, 1);
    const double tolerance = fields.tolerance(settings.tolerance, TextId::GenerateTolerance);
    if (!fields.fits(static_cast<double>(samples)))
        return result;
    const double interval = fields.resolution().sampleInterval;
    const double duration = static_cast<double>(samples) * interval;
    std::vector<double> values(static_cast<std::size_t>(samples));
    std::vector<double> stack;
    for (std::int64_t k = 0; k < samples; ++k) {
        const double t = static_cast<double>(k) * interval;
        const double value = evaluateFormula(read.code, t, duration, stack);
        if (!std::isfinite(value) || std::fabs(value) > HugeImportValue) {
            fields.refuse(GeneratorProblem::Formula, TextId::GenerateExpression);
            result.refusal.formula.problem =
                std::isfinite(value) ? FormulaProblem::HugeValue : FormulaProblem::NotFinite;
            result.refusal.formula.time = t;
            return result;
        }
        values[static_cast<std::size_t>(k)] = value;
    }
    fitSamples(std::move(values), tolerance, settings.steps, fields, result);
    return result;
}
