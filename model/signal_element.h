#pragma once

#include "model/catalogue.h"

#include <array>
#include <string>

inline constexpr int ParamSlots = 10;

// One segment of the output signal. A plain value: copied whole wherever it moves.
struct SignalElement {
    FuncType type = FUNC_NONE;
    FuncType subTypeA = FUNC_NONE; // only read when type is FUNC_SUM
    FuncType subTypeB = FUNC_NONE;
    int paramCount = 0;
    int subParamCountA = 0;
    int subParamCountB = 0;
    std::array<double, ParamSlots> params{};
    std::array<double, ParamSlots> subParamsA{};
    std::array<double, ParamSlots> subParamsB{};
    double duration = 0.0; // seconds; always elementDuration() of the element

    bool operator==(const SignalElement&) const = default;
};

enum class SubFunction { A = 0, B = 1 };

// Length in seconds; a FUNC_SUM lasts as long as its sub-function A.
double elementDuration(const SignalElement& element);

// Sub-function A or B of a FUNC_SUM as an element of its own (duration left 0).
SignalElement subElement(const SignalElement& element, SubFunction which);

// One-line parameter summary for the list view, UTF-8, at most 255 bytes.
std::string summaryText(const SignalElement& element, Language language);
