// What every generator gives back: ordinary elements on the sample grid of a range and a
// resolution, with the summary the import dialog shows, or a refusal naming the field and why.
#pragma once

#include "model/point_import.h"
#include "model/texts.h"

#include <string>

// The document's output range and resolution, which the elements are made for.
struct GeneratorTarget {
    int rangeCode = -1;
    int resolutionCode = -1;
};

// Repeat counts of the patterns; the time budget holds them far below this.
inline constexpr int GeneratorMaxCycles = 1'000'000;

enum class GeneratorProblem {
    None,
    NoRange,
    NoResolution,
    NotANumber,        // not a finite number, or beyond what any range comes near
    NotPositive,       // must be more than 0
    BelowMinimum,      // less than limit
    AboveMaximum,      // more than limit
    ShorterThanSample, // a time rounds to less than limit (a sample interval, or two for a ramp)
    FrequencyTooHigh,  // above limit, a quarter of the sample rate
    NoValues,          // an empty list
    TooLong,           // longer than the resolution's maximum time (the summary has both times)
    Formula,           // the formula's text, or its value at a time: see FormulaProblem
};

// Why a formula was refused.
enum class FormulaProblem {
    None,
    TooLong,          // more than FormulaMaxLength characters
    TooDeep,          // nested deeper than FormulaMaxDepth, at column
    BadCharacter,     // at column
    ExpectedValue,    // a number, a name or '(' expected at column
    ExpectedOperator, // an operator or the end expected at column
    ExpectedOpen,     // '(' expected after a function's name at column
    ExpectedClose,    // ')' expected at column
    ExpectedComma,    // ',' expected at column
    UnknownName,      // name at column
    ArgumentCount,    // name takes `arguments` arguments, at column
    NotFinite,        // the value at `time` is not a finite number
    HugeValue,        // the value at `time` is beyond HugeImportValue
};

inline constexpr int FormulaMaxLength = 1000;
inline constexpr int FormulaMaxDepth = 100;

struct FormulaError {
    FormulaProblem problem = FormulaProblem::None;
    int column = 0; // from 1, in characters
    std::string name;
    int arguments = 0;
    double time = 0.0; // seconds from the start of the block

    bool operator==(const FormulaError&) const = default;
};

struct GeneratorRefusal {
    GeneratorProblem problem = GeneratorProblem::None;
    TextId field = TextId::Count_; // the label of the field to blame, when one is
    double limit = 0.0;            // what BelowMinimum .. FrequencyTooHigh name
    FormulaError formula;
};

struct GeneratorResult {
    ElementList elements;
    // pointsRead stays 0; largestDeviation is that of the fit, 0 for elements made exactly.
    ImportSummary summary;
    bool fitted = false; // sampled and fitted within a tolerance: the deviation is worth showing
    GeneratorRefusal refusal;

    bool ok() const { return refusal.problem == GeneratorProblem::None; }
};
