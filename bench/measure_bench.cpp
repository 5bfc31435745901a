#include "canvas/canvas_setup.h"
#include "canvas/reference_chart.h"
#include "model/reference_trace.h"
#include "model/signal_stats.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int SampleCount = MaxTracePoints;
constexpr int ElementCount = 1000;
constexpr double Interval = 0.001;

// The store full: 99,999 samples of a sine beyond the range in places, in 1,000 elements.
struct FullSignal {
    SignalDocument doc;
    TracePoints samples;
    DocumentView view;

    FullSignal() {
        doc.rangeCode = 0;
        doc.resolutionCode = 3;
        doc.sampleInterval = Interval;
        for (int i = 0; i < SampleCount; ++i)
            samples.appendPoint(i * Interval, 12 * std::sin(i * 0.001));
        const double span = (SampleCount - 1) * Interval / ElementCount;
        for (int i = 0; i < ElementCount; ++i)
            view.spans.push_back({i * span, (i + 1) * span});
    }
};

// What the status bar does when the selection changes: the stretch, then one pass over it.
void statsPerSelectionChange(benchmark::State& state) {
    const FullSignal signal;
    const RowSelection selection = rowSpan(0, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const SignalStats stats =
            measureStretch(signal.doc, signal.samples, selectionStretch(signal.view, selection));
        benchmark::DoNotOptimize(stats);
    }
}

// A reference of a million points along the signal's time, straight between them.
ReferenceTrace millionPoints(double seconds) {
    ReferenceTrace reference;
    constexpr int Count = 1'000'000;
    reference.points.reserve(Count);
    for (int i = 0; i < Count; ++i) {
        const double t = seconds * i / (Count - 1);
        reference.points.push_back({t, 10 * std::sin(t) + 0.01 * (i % 3)});
    }
    return reference;
}

void referenceDifference(benchmark::State& state) {
    const FullSignal signal;
    const ReferenceTrace reference = millionPoints(SampleCount * Interval);
    const ReferenceTrace exported = exportedTrace(signal.doc, signal.samples);
    for (auto _ : state) {
        const TraceDifference difference = largestDifference(exported, reference);
        benchmark::DoNotOptimize(difference);
    }
}

// The signal as exported, made again when the document changes, then the difference.
void referenceDifferenceAfterAChange(benchmark::State& state) {
    const FullSignal signal;
    const ReferenceTrace reference = millionPoints(SampleCount * Interval);
    for (auto _ : state) {
        const TraceDifference difference =
            largestDifference(exportedTrace(signal.doc, signal.samples), reference);
        benchmark::DoNotOptimize(difference);
    }
}

struct NoWindow final : CanvasEffects {
    void pushScrollState(const Canvas&) override {}
    void requestRepaint(const Canvas&) override {}
};

// The grey polyline of a million-point reference over a day, in a view of the given span.
void referenceLayout(benchmark::State& state) {
    NoWindow window;
    Canvas canvas = initialCanvas(96);
    Trace& trace = configureOutputCanvas(canvas, window);
    setRange(trace, -10, 10);
    const ReferenceTrace reference = millionPoints(86400);
    const double span = static_cast<double>(state.range(0));
    canvas.viewStart = 43200;
    canvas.viewEnd = 43200 + span;
    std::size_t drawn = 0;
    for (auto _ : state) {
        const std::optional<TracePolyline> line = referencePolyline(canvas, reference);
        drawn = line ? line->points.size() : 0;
        benchmark::DoNotOptimize(line);
    }
    state.counters["drawn"] = static_cast<double>(drawn);
}

} // namespace

BENCHMARK(statsPerSelectionChange)->Arg(1)->Arg(ElementCount)->Unit(benchmark::kMicrosecond);
BENCHMARK(referenceDifference)->Unit(benchmark::kMillisecond);
BENCHMARK(referenceDifferenceAfterAChange)->Unit(benchmark::kMillisecond);
BENCHMARK(referenceLayout)->Arg(3600)->Arg(43200)->Unit(benchmark::kMillisecond);
