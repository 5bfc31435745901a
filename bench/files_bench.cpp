#include "bench/large_documents.h"
#include "files/csv_file.h"
#include "files/element_clipboard.h"
#include "files/settings_file.h"
#include "model/number_text.h"
#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

namespace {

// 90 s of noise at 1 ms: a row for nearly every one of the 90,001 points, the largest export.
TracePoints largestSignal() {
    TracePoints trace;
    rebuildSamples({makeElement(FUNC_RANDOM, {0, 3, 7, 90})}, 0.001, trace);
    return trace;
}

SignalDocument thousandElements() {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 2;
    doc.sampleInterval = 1.0;
    for (int i = 0; i < 1000; ++i)
        doc.elements.push_back(makeElement(FUNC_SIN, {0.1 * i, 2.5, 10, 45, 50}));
    return doc;
}

void csvExport(benchmark::State& state) {
    const TracePoints trace = largestSignal();
    std::string text;
    for (auto _ : state) {
        csvFileText(trace, 0, 3, text);
        benchmark::DoNotOptimize(text.data());
    }
    state.SetItemsProcessed(state.iterations() * trace.pointCount());
}
BENCHMARK(csvExport)->Unit(benchmark::kMillisecond);

// The floor for the export: the same values formatted "%.4f" and nothing else.
void formatValuesAlone(benchmark::State& state) {
    const TracePoints trace = largestSignal();
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (int i = 0; i < trace.pointCount(); ++i)
            bytes += formatFixed(trace.pointAt(i).value, 4).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * trace.pointCount());
}
BENCHMARK(formatValuesAlone)->Unit(benchmark::kMillisecond);

void settingsWrite(benchmark::State& state) {
    const SignalDocument doc = thousandElements();
    for (auto _ : state)
        benchmark::DoNotOptimize(settingsFileText(doc));
}
BENCHMARK(settingsWrite)->Unit(benchmark::kMillisecond);

void settingsRead(benchmark::State& state) {
    const std::string text = settingsFileText(thousandElements());
    for (auto _ : state) {
        std::istringstream in(text);
        SignalDocument doc;
        if (!readSettingsText(in, doc).ok())
            state.SkipWithError("the file did not read");
        benchmark::DoNotOptimize(doc.elements.data());
    }
}
BENCHMARK(settingsRead)->Unit(benchmark::kMillisecond);

// Opening a large settings file as the editor does: read it from the disk, then synthesize it.
void settingsLoadAndRebuild(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "qz57_bench_10000_elements.dat";
    if (WriteSettingsFile(path, tenThousandElements()) != WriteResult::Written)
        state.SkipWithError("the file could not be written");
    TracePoints trace;
    for (auto _ : state) {
        SignalDocument doc;
        if (!ReadSettingsFile(path, doc).ok())
            state.SkipWithError("the file did not read");
        rebuildSamples(doc.elements, doc.sampleInterval, trace);
        benchmark::DoNotOptimize(trace.pointCount());
    }
    std::filesystem::remove(path);
    state.counters["points"] = trace.pointCount();
}
BENCHMARK(settingsLoadAndRebuild)->Unit(benchmark::kMillisecond);

// The largest paste: as many elements as the clipboard takes, each a sum of two sines.
void clipboardPasteLargest(benchmark::State& state) {
    const SignalElement sine = makeElement(FUNC_SIN, {0.123457, 2.5, 10, 45, 0});
    const std::string text =
        elementClipboardText(ElementList(MaxClipboardElements, makeSum(sine, sine)));
    for (auto _ : state) {
        ElementList elements;
        if (!readElementClipboardText(text, 0.001, elements).ok())
            state.SkipWithError("the text did not read");
        benchmark::DoNotOptimize(elements.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(clipboardPasteLargest)->Unit(benchmark::kMillisecond);

} // namespace
