#include "files/generator_form.h"

#include "files/generator_messages.h"
#include "files/import_form.h"
#include "model/dips.h"
#include "model/engine_start.h"
#include "model/formula_generator.h"
#include "model/number_text.h"
#include "model/sine_sweep.h"
#include "model/staircase.h"
#include <cmath>
#include <optional>
#include <string_view>

namespace {

// Offered while the document has neither: the widest voltage range and ten minutes at 10 ms.
constexpr int DefaultRange = 0;
constexpr int DefaultResolution = 0;

std::string numberText(double value) {
    return formatGeneral(value);
}

std::string listText(const std::vector<double>& values) {
    std::string text;
    for (const double value : values)
        text.append(text.empty() ? "" : ",").append(numberText(value));
    return text;
}

GeneratorRefusal notANumber(TextId field) {
    GeneratorRefusal refusal;
    refusal.problem = GeneratorProblem::NotANumber;
    refusal.field = field;
    return refusal;
}

// Reads the fields in their order; the first that cannot be used is refused by its label.
class FieldReader {
  public:
    FieldReader(const std::vector<std::string>& texts, const std::vector<TextId>& labels,
                GeneratorResult& result)
        : texts_(texts), labels_(labels), result_(result) {}

    double number() {
        const std::size_t at = next_++;
        const std::optional<double> value = fieldNumber(texts_[at]);
        if (!value)
            refuse(at);
        return value.value_or(0.0);
    }
    int whole() {
        const std::size_t at = next_++;
        const std::optional<double> value = fieldNumber(texts_[at]);
        if (!value || *value != std::floor(*value) || std::fabs(*value) > GeneratorMaxCycles) {
            refuse(at);
            return 0;
        }
        return static_cast<int>(*value);
    }
    std::vector<double> list() {
        const std::size_t at = next_++;
        std::optional<std::vector<double>> values = fieldNumbers(texts_[at]);
        if (!values)
            refuse(at);
        return std::move(values).value_or(std::vector<double>{});
    }
    bool ok() const { return result_.ok(); }

  private:
    void refuse(std::size_t at) {
        if (result_.ok())
            result_.refusal = notANumber(labels_[at]);
    }

    const std::vector<std::string>& texts_;
    const std::vector<TextId>& labels_;
    GeneratorResult& result_;
    std::size_t next_ = 0;
};

GeneratorResult made(const GeneratorForm& form, const GeneratorTarget& target) {
    const std::vector<TextId> labels = generatorFieldLabels(form.kind);
    GeneratorResult unread;
    FieldReader read(form.fields[static_cast<std::size_t>(form.kind)], labels, unread);
    const auto tolerance = [&]() {
        const std::optional<double> value = fieldNumber(form.tolerance);
        if (!value && unread.ok())
            unread.refusal = notANumber(TextId::GenerateTolerance);
        return value.value_or(0.0);
    };
    switch (form.kind) {
    case GeneratorKind::Staircase: {
        StaircaseSettings settings{read.number(), read.number(),  read.whole(), read.number(),
                                   read.number(), form.upAndDown, read.whole()};
        return read.ok() ? makeStaircase(settings, target) : unread;
    }
    case GeneratorKind::SineSweep: {
        SineSweepSettings settings{read.number(), read.number(),    read.number(), read.number(),
                                   read.number(), form.logarithmic, tolerance()};
        return read.ok() ? makeSineSweep(settings, target) : unread;
    }
    case GeneratorKind::Formula: {
        FormulaSettings settings{form.formula, read.number(), tolerance(), form.formulaSteps};
        return read.ok() ? makeFormula(settings, target) : unread;
    }
    case GeneratorKind::EngineStart: {
        EngineStartSettings settings;
        for (double* value :
             {&settings.supply, &settings.low, &settings.crank, &settings.fall, &settings.lowTime,
              &settings.rise1, &settings.crankTime, &settings.rise2, &settings.pause,
              &settings.ripple, &settings.rippleFrequency})
            *value = read.number();
        settings.cycles = read.whole();
        return read.ok() ? makeEngineStart(settings, target) : unread;
    }
    case GeneratorKind::Dips: {
        DipsSettings settings;
        settings.nominal = read.number();
        settings.levels = read.list();
        settings.durations = read.list();
        settings.repeats = read.whole();
        settings.interval = read.number();
        return read.ok() ? makeDips(settings, target) : unread;
    }
    }
    return unread;
}

} // namespace

TextId generatorName(GeneratorKind kind) {
    constexpr std::array<TextId, GeneratorKindCount> Names{
        TextId::GenerateStaircase, TextId::GenerateSineSweep, TextId::GenerateFormula,
        TextId::GenerateEngineStart, TextId::GenerateDips};
    return Names[static_cast<std::size_t>(kind)];
}

std::vector<TextId> generatorFieldLabels(GeneratorKind kind) {
    switch (kind) {
    case GeneratorKind::Staircase:
        return {TextId::GenerateFrom,  TextId::GenerateTo,   TextId::GenerateSteps,
                TextId::GenerateDwell, TextId::GenerateRamp, TextId::GenerateCycles};
    case GeneratorKind::SineSweep:
        return {TextId::GenerateFromFrequency, TextId::GenerateToFrequency,
                TextId::GenerateDuration, TextId::GenerateAmplitude, TextId::GenerateOffset};
    case GeneratorKind::Formula:
        return {TextId::GenerateDuration};
    case GeneratorKind::EngineStart:
        return {
            TextId::GenerateSupply,    TextId::GenerateLowLevel,        TextId::GenerateCrankLevel,
            TextId::GenerateFall,      TextId::GenerateLowTime,         TextId::GenerateRise1,
            TextId::GenerateCrankTime, TextId::GenerateRise2,           TextId::GeneratePause,
            TextId::GenerateRipple,    TextId::GenerateRippleFrequency, TextId::GenerateCycles};
    case GeneratorKind::Dips:
        return {TextId::GenerateNominal, TextId::GenerateTestLevels, TextId::GenerateDipDurations,
                TextId::GenerateRepeats, TextId::GenerateInterval};
    }
    return {};
}

GeneratorForm startGeneratorForm(const SignalDocument& doc) {
    GeneratorForm form;
    const StaircaseSettings stairs;
    form.fields[static_cast<std::size_t>(GeneratorKind::Staircase)] = {
        numberText(stairs.from),  numberText(stairs.to),   std::to_string(stairs.steps),
        numberText(stairs.dwell), numberText(stairs.ramp), std::to_string(stairs.cycles)};
    const SineSweepSettings sweep;
    form.fields[static_cast<std::size_t>(GeneratorKind::SineSweep)] = {
        numberText(sweep.fromFrequency), numberText(sweep.toFrequency), numberText(sweep.duration),
        numberText(sweep.amplitude), numberText(sweep.offset)};
    const FormulaSettings formula;
    form.fields[static_cast<std::size_t>(GeneratorKind::Formula)] = {numberText(formula.duration)};
    const EngineStartSettings start;
    form.fields[static_cast<std::size_t>(GeneratorKind::EngineStart)] = {
        numberText(start.supply),          numberText(start.low),
        numberText(start.crank),           numberText(start.fall),
        numberText(start.lowTime),         numberText(start.rise1),
        numberText(start.crankTime),       numberText(start.rise2),
        numberText(start.pause),           numberText(start.ripple),
        numberText(start.rippleFrequency), std::to_string(start.cycles)};
    const DipsSettings dips;
    form.fields[static_cast<std::size_t>(GeneratorKind::Dips)] = {
        numberText(dips.nominal), listText(dips.levels), listText(dips.durations),
        std::to_string(dips.repeats), numberText(dips.interval)};
    form.formula = formula.text;
    form.tolerance = numberText(formula.tolerance);
    form.formulaSteps = formula.steps;
    followDocument(form, doc);
    return form;
}

void followDocument(GeneratorForm& form, const SignalDocument& doc) {
    form.offersCodes = doc.rangeCode < 0 || doc.resolutionCode < 0;
    if (!form.offersCodes) {
        form.rangeCode = doc.rangeCode;
        form.resolutionCode = doc.resolutionCode;
    } else if (form.rangeCode < 0 || form.resolutionCode < 0) {
        form.rangeCode = DefaultRange;
        form.resolutionCode = DefaultResolution;
    }
    form.usedTime = totalDuration(doc);
}

GeneratorPreview previewGenerator(const GeneratorForm& form, Language language) {
    GeneratorPreview preview;
    preview.made = made(form, {form.rangeCode, form.resolutionCode});
    if (!preview.made.ok()) {
        preview.lines = {generatorRefusalMessage(preview.made, form.rangeCode, language)};
        return preview;
    }
    preview.lines = generatorSummaryLines(preview.made, form.rangeCode, language);
    preview.ok = fitsTheTimeLeft(preview.made.summary, form.usedTime, form.resolutionCode, language,
                                 preview.lines);
    return preview;
}
