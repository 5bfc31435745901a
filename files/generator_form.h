// The generator dialog without its window: which generator, what its fields hold as typed, and
// what they make, so that every rule of the dialog is tested natively.
#pragma once

#include "model/generator_settings.h"
#include "model/signal_document.h"
#include "model/texts.h"

#include <array>
#include <string>
#include <vector>

enum class GeneratorKind { Staircase, SineSweep, Formula, EngineStart, Dips };
inline constexpr int GeneratorKindCount = 5;

// The generator's name, as its list in the dialog shows it.
TextId generatorName(GeneratorKind kind);

// The labels of a generator's number fields in the dialog's order; a label with "{1}" takes the
// range's unit. The formula's text, the tolerance and the choices have controls of their own.
std::vector<TextId> generatorFieldLabels(GeneratorKind kind);

struct GeneratorForm {
    GeneratorKind kind = GeneratorKind::Staircase;
    // Each generator's fields as typed, kept when another generator is chosen for a while.
    std::array<std::vector<std::string>, GeneratorKindCount> fields;
    std::string formula;
    std::string tolerance; // of the sweep and the formula
    bool formulaSteps = false;
    bool upAndDown = false;   // staircase
    bool logarithmic = false; // sweep
    // The document's range and resolution, or the ones chosen in the dialog while it has none.
    int rangeCode = -1;
    int resolutionCode = -1;
    bool offersCodes = false;
    double usedTime = 0.0; // seconds the document's elements already take
};

// The fields with their example values, for a document (whose range and resolution they use, or
// ±10 V and 10 ms while it has none).
GeneratorForm startGeneratorForm(const SignalDocument& doc);
// The same form for another state of the document: the fields stay as the user left them.
void followDocument(GeneratorForm& form, const SignalDocument& doc);

// What the form makes: the elements, and the summary or the refusal a line each.
struct GeneratorPreview {
    GeneratorResult made;
    std::vector<std::string> lines;
    bool ok = false;
};

GeneratorPreview previewGenerator(const GeneratorForm& form, Language language);
