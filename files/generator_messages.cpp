#include "files/generator_messages.h"

#include "files/import_messages.h"
#include "model/number_text.h"
#include "model/tables.h"

namespace {

std::string said(TextId id, Language language, std::initializer_list<std::string_view> args = {}) {
    return formatText(id, language, args);
}

std::string formulaMessage(const FormulaError& error, Language language) {
    const std::string column = std::to_string(error.column);
    const auto at = [&](const std::string& what) {
        return said(TextId::GenerateAtColumn, language, {column, what});
    };
    switch (error.problem) {
    case FormulaProblem::None:
    case FormulaProblem::TooLong:
        break;
    case FormulaProblem::TooDeep:
        return at(
            said(TextId::GenerateFormulaTooDeep, language, {std::to_string(FormulaMaxDepth)}));
    case FormulaProblem::BadCharacter:
        return at(said(TextId::GenerateBadCharacter, language));
    case FormulaProblem::ExpectedValue:
        return at(said(TextId::GenerateExpectedValue, language));
    case FormulaProblem::ExpectedOperator:
        return at(said(TextId::GenerateExpectedOperator, language));
    case FormulaProblem::ExpectedOpen:
        return at(said(TextId::GenerateExpectedOpen, language));
    case FormulaProblem::ExpectedClose:
        return at(said(TextId::GenerateExpectedClose, language));
    case FormulaProblem::ExpectedComma:
        return at(said(TextId::GenerateExpectedComma, language));
    case FormulaProblem::UnknownName:
        return at(said(TextId::GenerateUnknownName, language, {error.name}));
    case FormulaProblem::ArgumentCount:
        return at(said(TextId::GenerateArgumentCount, language,
                       {error.name, std::to_string(error.arguments)}));
    case FormulaProblem::NotFinite:
        return said(TextId::GenerateNotFinite, language, {formatFixed(error.time, 3)});
    case FormulaProblem::HugeValue:
        return said(TextId::GenerateHugeValue, language, {formatFixed(error.time, 3)});
    }
    return said(TextId::GenerateFormulaTooLong, language, {groupedThousands(FormulaMaxLength)});
}

// Why the field was refused, without its name.
std::string problemText(const GeneratorRefusal& refusal, Language language) {
    const std::string limit = formatGeneral(refusal.limit);
    switch (refusal.problem) {
    case GeneratorProblem::NotPositive:
        return said(TextId::GenerateNotPositive, language);
    case GeneratorProblem::BelowMinimum:
        return said(TextId::GenerateBelowMinimum, language, {limit});
    case GeneratorProblem::AboveMaximum:
        return said(TextId::GenerateAboveMaximum, language, {limit});
    case GeneratorProblem::ShorterThanSample:
        return said(TextId::GenerateShorterThanSample, language, {limit});
    case GeneratorProblem::FrequencyTooHigh:
        return said(TextId::GenerateFrequencyTooHigh, language, {limit});
    case GeneratorProblem::NoValues:
        return said(TextId::GenerateNoValues, language);
    default:
        return said(TextId::GenerateNotANumber, language);
    }
}

} // namespace

std::string generatorRefusalMessage(const GeneratorResult& result, int rangeCode,
                                    Language language) {
    const GeneratorRefusal& refusal = result.refusal;
    switch (refusal.problem) {
    case GeneratorProblem::None:
        return {};
    case GeneratorProblem::NoRange:
        return said(TextId::ImportNoRange, language);
    case GeneratorProblem::NoResolution:
        return said(TextId::ImportNoResolution, language);
    case GeneratorProblem::TooLong:
        return tooLongMessage(result.summary, language);
    case GeneratorProblem::Formula:
        return formulaMessage(refusal.formula, language);
    default:
        return said(TextId::GenerateFieldProblem, language,
                    {said(refusal.field, language, {outputRange(rangeCode).unitLabel}),
                     problemText(refusal, language)});
    }
}

std::vector<std::string> generatorSummaryLines(const GeneratorResult& result, int rangeCode,
                                               Language language) {
    return madeSummaryLines(result.summary, rangeCode, result.fitted, language);
}
