#include "canvas/canvas_setup.h"
#include "canvas/cursor_readout.h"
#include "canvas/draw_list.h"
#include "canvas/view_scroll.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int Period1h = 9;
constexpr int Period24h = 12;

// Every repaint lays out the whole chart, as the window's paint does.
struct PaintingWindow final : CanvasEffects {
    std::size_t drawnPoints = 0;
    void pushScrollState(const Canvas&) override {}
    void requestRepaint(const Canvas& canvas) override {
        const DrawList list = buildDrawList(canvas);
        drawnPoints = list.traces.empty() ? 0 : list.traces.back().points.size();
    }
};

// A day-long signal of the given number of points, shown with the given display period.
struct DayChart {
    Canvas canvas = initialCanvas(96);
    PaintingWindow window;
    TracePoints samples;

    DayChart(int points, int periodPosition) {
        configureOutputCanvas(canvas, window).points = &samples;
        const double step = 86400.0 / (points - 1);
        for (int i = 0; i < points; ++i)
            samples.appendPoint(i * step, 10 * std::sin(i * 0.01));
        applyDisplayPeriod(canvas, periodPosition, window);
    }
};

void drawListOfADay(benchmark::State& state) {
    DayChart chart(static_cast<int>(state.range(0)), Period24h);
    for (auto _ : state) {
        DrawList list = buildDrawList(chart.canvas);
        benchmark::DoNotOptimize(list);
    }
    state.counters["drawn"] =
        static_cast<double>(buildDrawList(chart.canvas).traces[0].points.size());
}

// One arrow click in an hour's window over the day, including the repaint it causes.
void scrollStep(benchmark::State& state) {
    DayChart chart(static_cast<int>(state.range(0)), Period1h);
    applyScrollAction(chart.canvas, ScrollThumbTrack, 5000, chart.window);
    int code = ScrollLineUp;
    for (auto _ : state) {
        applyScrollAction(chart.canvas, code, 0, chart.window);
        code = code == ScrollLineUp ? ScrollLineDown : ScrollLineUp;
    }
    state.counters["drawn"] = static_cast<double>(chart.window.drawnPoints);
}

// The readout and overlay of one mouse move, sweeping the plot's columns; the sample lookup is a
// binary search, so the cost must not grow with the number of points.
void cursorMove(benchmark::State& state) {
    DayChart chart(static_cast<int>(state.range(0)), Period1h);
    applyScrollAction(chart.canvas, ScrollThumbTrack, 5000, chart.window);
    int x = 70;
    for (auto _ : state) {
        std::optional<CursorOverlay> cursor = cursorOverlay(chart.canvas, x, Language::Japanese);
        benchmark::DoNotOptimize(cursor);
        x = x == 651 ? 70 : x + 1;
    }
}

} // namespace

BENCHMARK(drawListOfADay)->Arg(1'000)->Arg(10'000)->Arg(86'401)->Arg(99'999);
BENCHMARK(scrollStep)->Arg(1'000)->Arg(10'000)->Arg(86'401)->Arg(99'999);
BENCHMARK(cursorMove)->Arg(1'000)->Arg(99'999);
