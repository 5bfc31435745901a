#pragma once

#include "model/signal_element.h"

#include <cstddef>
#include <initializer_list>
#include <vector>

// Elements as the parameter dialog builds them: counts from the catalogue, duration derived.

inline SignalElement makeElement(FuncType type, std::initializer_list<double> params) {
    SignalElement e;
    e.type = type;
    e.paramCount = paramCountOf(type);
    std::size_t i = 0;
    for (double p : params)
        e.params[i++] = p;
    e.duration = elementDuration(e);
    return e;
}

inline SignalElement makeSum(const SignalElement& a, const SignalElement& b) {
    SignalElement e;
    e.type = FUNC_SUM;
    e.paramCount = paramCountOf(FUNC_SUM);
    e.subTypeA = a.type;
    e.subParamCountA = a.paramCount;
    e.subParamsA = a.params;
    e.subTypeB = b.type;
    e.subParamCountB = b.paramCount;
    e.subParamsB = b.params;
    e.duration = elementDuration(e);
    return e;
}

inline SignalElement constantElement(double value, double seconds) {
    return makeElement(FUNC_CONST, {value, seconds});
}

// The first parameter of each element, in list order: a constant's level, which tests use to
// tell elements apart.
inline std::vector<double> levelsOf(const std::vector<SignalElement>& elements) {
    std::vector<double> levels;
    for (const SignalElement& e : elements)
        levels.push_back(e.params[0]);
    return levels;
}
