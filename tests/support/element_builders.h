#pragma once

#include "model/signal_element.h"

#include <cstddef>
#include <initializer_list>

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
