// Counting the clipped samples of the longest signal the point store holds, per element, as the
// status bar does after every change of the list.

#include "model/clipping.h"
#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <benchmark/benchmark.h>

namespace {

// 90 s at 1 ms in a hundred sine elements that swing past ±10 V: 90,001 samples, a third clipped.
void ClippedElementsOf90sAt1ms(benchmark::State& state) {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 3;
    doc.sampleInterval = 0.001;
    for (int i = 0; i < 100; ++i)
        doc.elements.push_back(makeElement(FUNC_SIN, {0, 12, 0.3, 0, 0.9}));
    TracePoints samples;
    rebuildSamples(doc.elements, doc.sampleInterval, samples);
    for (auto _ : state) {
        std::vector<ClippedElement> clipped = clippedElements(doc, samples);
        benchmark::DoNotOptimize(clipped);
    }
    state.SetItemsProcessed(state.iterations() * samples.pointCount());
}

} // namespace

BENCHMARK(ClippedElementsOf90sAt1ms)->Unit(benchmark::kMicrosecond);
