// The generators over the longest signal there is (90 s at 1 ms, 90,000 samples): a formula of
// about 20 operations and a sine sweep, sampled and fitted; and the exact generators, whose work
// grows with the elements they make.
#include "model/dips.h"
#include "model/engine_start.h"
#include "model/formula.h"
#include "model/formula_generator.h"
#include "model/sine_sweep.h"
#include "model/staircase.h"

#include <benchmark/benchmark.h>

namespace {

const GeneratorTarget Longest{0, 3};

// 22 operations: two sines under a decaying envelope, a drift and a clamped step.
constexpr const char* Formula =
    "exp(-t/30)*(2*sin(2*pi*0.5*t) + 0.5*sin(2*pi*3*t + 1)) + 0.1*t/T - clamp(t - 40, 0, 5)";

void report(benchmark::State& state, const GeneratorResult& made) {
    if (!made.ok())
        state.SkipWithError("refused");
    state.counters["elements"] = static_cast<double>(made.elements.size());
}

void formulaRead(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(readFormula(Formula));
}
BENCHMARK(formulaRead)->Unit(benchmark::kMicrosecond);

void formulaEvaluated(benchmark::State& state) {
    const FormulaRead read = readFormula(Formula);
    std::vector<double> stack;
    for (auto _ : state) {
        double sum = 0.0;
        for (int k = 0; k < 90000; ++k)
            sum += evaluateFormula(read.code, k * 0.001, 90.0, stack);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 90000);
}
BENCHMARK(formulaEvaluated)->Unit(benchmark::kMillisecond);

// Read, evaluated at every sample and fitted at 0.001 V: what the dialog redoes per keystroke.
void formulaMade(benchmark::State& state) {
    GeneratorResult made;
    for (auto _ : state)
        made = makeFormula({Formula, 90.0, 0.001, state.range(0) != 0}, Longest);
    report(state, made);
}
BENCHMARK(formulaMade)->Arg(0)->Arg(1)->ArgName("steps")->Unit(benchmark::kMillisecond);

// Up to 50 Hz, 20 samples a period at the end.
void sweepMade(benchmark::State& state) {
    GeneratorResult made;
    for (auto _ : state)
        made = makeSineSweep({1, 50, 90, 5, 0, state.range(0) != 0, 0.001}, Longest);
    report(state, made);
}
BENCHMARK(sweepMade)->Arg(0)->Arg(1)->ArgName("log")->Unit(benchmark::kMillisecond);

// Up to 20 Hz, 50 samples a period at the end.
void sweepTo20HzMade(benchmark::State& state) {
    GeneratorResult made;
    for (auto _ : state)
        made = makeSineSweep({1, 20, 90, 5, 0, false, 0.001}, Longest);
    report(state, made);
}
BENCHMARK(sweepTo20HzMade)->Unit(benchmark::kMillisecond);

// A level per sample pair, so the elements made grow with the steps: 1,000 to 45,000.
void staircaseMade(benchmark::State& state) {
    const auto steps = static_cast<int>(state.range(0));
    GeneratorResult made;
    for (auto _ : state)
        made = makeStaircase({-5, 5, steps, 0.002, 0, false, 1}, Longest);
    report(state, made);
    state.SetItemsProcessed(state.iterations() * steps);
}
BENCHMARK(staircaseMade)->Arg(1000)->Arg(10000)->Arg(45000)->Unit(benchmark::kMillisecond);

void engineStartMade(benchmark::State& state) {
    const auto cycles = static_cast<int>(state.range(0));
    // Six elements a cycle of 10 ms.
    const EngineStartSettings settings{12,    4.5,   6.5,   0.002, 0.001, 0.002,
                                       0.002, 0.002, 0.001, 0.5,   125,   cycles};
    GeneratorResult made;
    for (auto _ : state)
        made = makeEngineStart(settings, Longest);
    report(state, made);
    state.SetItemsProcessed(state.iterations() * cycles);
}
BENCHMARK(engineStartMade)->Arg(100)->Arg(1000)->Arg(9000)->Unit(benchmark::kMillisecond);

void dipsMade(benchmark::State& state) {
    const auto repeats = static_cast<int>(state.range(0));
    // Two elements a dip of 2 ms, nine dips a repeat.
    const DipsSettings settings{10, {0, 40, 70}, {0.001, 0.001, 0.001}, repeats, 0.001};
    GeneratorResult made;
    for (auto _ : state)
        made = makeDips(settings, Longest);
    report(state, made);
    state.SetItemsProcessed(state.iterations() * repeats);
}
BENCHMARK(dipsMade)->Arg(100)->Arg(1000)->Arg(4999)->Unit(benchmark::kMillisecond);

} // namespace
