#pragma once

#include "model/signal_document.h"
#include "tests/support/element_builders.h"

// 10,000 short elements of five kinds at 10 ms: 800 s and 80,000 samples, near the store's limit.
inline SignalDocument tenThousandElements() {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 0;
    doc.sampleInterval = 0.01;
    const SignalElement kinds[] = {
        makeElement(FUNC_CONST, {1.5, 0.08}),
        makeElement(FUNC_SLOPE, {-2, 2, 0.08}),
        makeElement(FUNC_SIN, {0, 5, 0.04, 90, 0.08}),
        makeElement(FUNC_RECT, {-3, 3, 0.02, 0.02, 2}),
        makeElement(FUNC_RANDOM, {0, 1, 7, 0.08}),
    };
    for (int i = 0; i < 10000; ++i)
        doc.elements.push_back(kinds[i % 5]);
    return doc;
}
