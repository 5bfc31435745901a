#pragma once

#include "model/catalogue.h"
#include "model/signal_document.h"
#include "model/texts.h"

#include <string>
#include <string_view>
#include <vector>

// What a parameter field of the edit dialog accepts: entered numbers are clamped to
// [minimum, maximum] and rounded to `decimals` places (0 .. 4; anything else means whole numbers).
struct FieldRule {
    double minimum = 0.0;
    double maximum = 0.0;
    int decimals = 0;

    bool operator==(const FieldRule&) const = default;
};

// One parameter slot of a function type under the document's range and resolution.
struct FieldRow {
    std::string label;       // UTF-8, the range's unit label already put in ("開始値[V]")
    std::string defaultText; // what a new element's field starts with, before normalising
    FieldRule rule;
};

// The rows of slots 0 .. paramCount - 1 of a type. Empty for FUNC_SUM (its columns are the
// sub-types' rows), for FUNC_NONE and unknown codes, and while no output range is chosen.
std::vector<FieldRow> fieldRows(FuncType type, const SignalDocument& doc, Language language);

// Reads a field the way the C library's atof does ("12abc" is 12, "abc" is 0), independent of
// the locale. A value that is not a finite number ("nan", "inf", "1e999") also reads as 0.
double readFieldNumber(std::string_view text);

// Clamps to the rule's limits, then rounds half away from zero on the magnitude to the rule's
// decimals. Zero comes back unsigned.
double normalizeFieldValue(double value, const FieldRule& rule);

// The text a field shows after leaving it: read, normalised and written with exactly the rule's
// decimals ("2.34567" → "2.3457" with four).
std::string normalizeFieldText(std::string_view text, const FieldRule& rule);
