// Point files to elements: a replay file of 90,001 rows, and two-column CSV files of up to a
// million rows split into reading, resampling and simplifying.
#include "files/csv_file.h"
#include "files/point_reader.h"
#include "model/point_import.h"
#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace {

// The longest replay file there is: a 90 s triangle of 10 periods at 1 ms, 90,001 rows.
const std::string& triangleReplay() {
    static const std::string text = [] {
        TracePoints trace;
        rebuildSamples({makeElement(FUNC_TRI, {-5, 5, 4.5, 4.5, 10})}, 0.001, trace);
        std::string csv;
        csvFileText(trace, 0, 3, csv);
        return csv;
    }();
    return text;
}

// A logger's recording of 90 s: rows evenly spread, a few slow waves and a little noise, in
// volts with 6 decimals.
std::string recording(std::int64_t rows) {
    std::mt19937 random(1);
    std::normal_distribution<double> noise(0.0, 0.001);
    std::string text = "time,value\n";
    text.reserve(static_cast<std::size_t>(rows) * 22);
    char buffer[32];
    for (std::int64_t i = 0; i < rows; ++i) {
        const double t = 90.0 * static_cast<double>(i) / static_cast<double>(rows - 1);
        const double v = 5 * std::sin(t * 0.6) + 2 * std::sin(t * 4.1) + noise(random);
        text.append(
            buffer,
            std::to_chars(buffer, buffer + sizeof buffer, t, std::chars_format::fixed, 7).ptr);
        text.push_back(',');
        text.append(
            buffer,
            std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 6).ptr);
        text.push_back('\n');
    }
    return text;
}

// ±10 V at 1 ms, within a thousandth of the range.
ImportSettings recordingSettings() {
    ImportSettings settings;
    settings.rangeCode = 0;
    settings.resolutionCode = 3;
    settings.tolerance = 0.02;
    return settings;
}

void replayFileToElements(benchmark::State& state) {
    const std::string& text = triangleReplay();
    std::size_t elements = 0;
    for (auto _ : state) {
        const PointReadResult read = readPoints(text);
        const ImportResult made = importPoints(read.points, suggestedSettings(read.points));
        elements = made.elements.size();
        benchmark::DoNotOptimize(elements);
    }
    state.counters["elements"] = static_cast<double>(elements);
}
BENCHMARK(replayFileToElements)->Unit(benchmark::kMillisecond);

void readingRows(benchmark::State& state) {
    const std::string text = recording(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(readPoints(text).points.times.data());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void resamplingRows(benchmark::State& state) {
    const PointReadResult read = readPoints(recording(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(resamplePoints(read.points, recordingSettings()).values.data());
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void simplifyingSamples(benchmark::State& state) {
    const PointReadResult read = readPoints(recording(state.range(0)));
    const SampleTargets targets = resamplePoints(read.points, recordingSettings());
    std::size_t elements = 0;
    for (auto _ : state) {
        ImportSummary summary;
        elements = simplifySamples(targets, recordingSettings(), summary).size();
    }
    state.counters["elements"] = static_cast<double>(elements);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void recordingToElements(benchmark::State& state) {
    const std::string text = recording(state.range(0));
    for (auto _ : state) {
        const PointReadResult read = readPoints(text);
        benchmark::DoNotOptimize(importPoints(read.points, recordingSettings()).elements.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Rows from a quarter million to a million: the cost per row should stay the same.
void rowCounts(benchmark::internal::Benchmark* b) {
    b->Arg(250'000)->Arg(500'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}
BENCHMARK(readingRows)->Apply(rowCounts);
BENCHMARK(resamplingRows)->Apply(rowCounts);
BENCHMARK(simplifyingSamples)->Apply(rowCounts);
BENCHMARK(recordingToElements)->Apply(rowCounts);

} // namespace
