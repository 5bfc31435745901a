#pragma once

#include "canvas/canvas_setup.h"
#include "canvas/canvas_state.h"
#include "canvas/view_scroll.h"

// Observes the two window effects of the view operations.
struct RecordingEffects final : CanvasEffects {
    int pushes = 0;
    int repaints = 0;
    int pushedPos = -1;
    int pushedPage = -1;

    void pushScrollState(const Canvas& canvas) override {
        ++pushes;
        pushedPos = canvas.scrollPos;
        pushedPage = canvas.scrollPage;
    }
    void requestRepaint(const Canvas&) override { ++repaints; }
    void forget() { *this = RecordingEffects{}; }
};

// The canvas's trace with a value range, as the tests of the arithmetic use it.
inline Trace* rangedTrace(Canvas& canvas, double minValue, double maxValue) {
    canvas.trace.minValue = minValue;
    canvas.trace.maxValue = maxValue;
    return &canvas.trace;
}

// Display-period list positions used by the tests.
inline constexpr int Period100ms = 0;
inline constexpr int Period5s = 2;
inline constexpr int Period30s = 4;
inline constexpr int Period60s = 5;
inline constexpr int Period24h = 12;

// The editor's canvas at 96 dpi after start-up, showing the given display period, with the
// single point the empty list synthesizes to.
struct Chart {
    Canvas canvas = initialCanvas(96);
    RecordingEffects effects;
    TracePoints samples;
    Trace* trace = nullptr;

    explicit Chart(int periodPosition = Period30s) {
        trace = &configureOutputCanvas(canvas, effects);
        trace->points = &samples;
        samples.appendPoint(0, 0);
        setView(canvas, 0, canvas.displaySpan, 0, effects);
        applyDisplayPeriod(canvas, periodPosition, effects);
        effects.forget();
    }

    // Replaces the samples by points every step seconds from 0 to seconds (inclusive), as a
    // rebuild does, and refreshes the view.
    void load(double seconds, double step) {
        samples.clearPoints();
        const int count = static_cast<int>(seconds / step + 0.5);
        for (int i = 0; i < count; ++i)
            samples.appendPoint(i * step, i % 2);
        samples.appendPoint(seconds, 0);
        setView(canvas, 0, canvas.displaySpan, 0, effects);
    }

    void scroll(int code, int thumb = 0) { applyScrollAction(canvas, code, thumb, effects); }
};
