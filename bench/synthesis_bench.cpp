// Rebuilding the samples of the heaviest lists the editor allows, against evaluating the same
// closed forms into a plain array: the difference is what the point store and the loop cost.

#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <random>

namespace {

// Heap bytes in use, so the benchmark can report what the store holds per point.
std::size_t liveBytes = 0;

constexpr double Pi = 3.141592653589793;
constexpr double Epsilon = 0.0001;

SignalElement triangleAndNoise() {
    return makeSum(makeElement(FUNC_TRI, {-5, 5, 600, 600, 72}),
                   makeElement(FUNC_RANDOM, {0, 0.5, 42, 86400}));
}

double noise(std::mt19937& engine, double base, double rms) {
    const double u1 = (engine() + 0.5) * 2.3283064365386963e-10;
    const double u2 = (engine() + 0.5) * 2.3283064365386963e-10;
    return base + rms * std::sqrt(-2.0 * std::log(u1)) * std::sin(6.283185307179586 * u2);
}

template <typename Value>
void bareLoop(std::vector<double>& out, double duration, double dt, Value value) {
    out.clear();
    for (double t = 0.0; t < duration - 0.5 * dt; t = t + dt)
        out.push_back(value(t));
}

void rebuild(benchmark::State& state, const SignalElement& element, double dt) {
    const std::vector<SignalElement> list{element};
    TracePoints trace;
    for (auto _ : state) {
        rebuildSamples(list, dt, trace);
        benchmark::DoNotOptimize(trace.lastPoint());
    }
    const std::size_t before = liveBytes;
    TracePoints measured;
    rebuildSamples(list, dt, measured);
    const double points = measured.pointCount();
    state.counters["points"] = points;
    state.counters["bytes/point"] = static_cast<double>(liveBytes - before) / points;
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * measured.pointCount());
}

template <typename Value>
void bare(benchmark::State& state, double duration, double dt, Value value) {
    std::vector<double> out;
    out.reserve(static_cast<std::size_t>(duration / dt) + 1);
    for (auto _ : state) {
        bareLoop(out, duration, dt, value);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * out.size()));
}

void RebuildSine90sAt1ms(benchmark::State& state) {
    rebuild(state, makeElement(FUNC_SIN, {0, 5, 1, 30, 90}), 0.001);
}

void BareSine90sAt1ms(benchmark::State& state) {
    bare(state, 90.0, 0.001,
         [](double t) { return 0.0 + 5.0 * std::sin(2.0 * Pi * t / 1.0 + Pi * 30.0 / 180.0); });
}

void RebuildNoise900sAt10ms(benchmark::State& state) {
    rebuild(state, makeElement(FUNC_RANDOM, {1, 0.5, 42, 900}), 0.01);
}

void BareNoise900sAt10ms(benchmark::State& state) {
    std::mt19937 engine;
    bare(state, 900.0, 0.01, [&](double) { return noise(engine, 1.0, 0.5); });
}

void RebuildTriangleAndNoise24hAt1s(benchmark::State& state) {
    rebuild(state, triangleAndNoise(), 1.0);
}

void BareTriangleAndNoise24hAt1s(benchmark::State& state) {
    std::mt19937 engine;
    bare(state, 86400.0, 1.0, [&](double t) {
        const double p0 = -5, p1 = 5, p2 = 600, p3 = 600;
        const double cycle = p3 + p2;
        const double tau = t - std::trunc((t + Epsilon) / cycle) * cycle;
        const double a =
            p2 - Epsilon > tau ? (p1 - p0) * tau / p2 + p0 : p1 - (tau - p2) * (p1 - p0) / p3;
        return a + noise(engine, 0.0, 0.5);
    });
}

} // namespace

BENCHMARK(RebuildSine90sAt1ms)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareSine90sAt1ms)->Unit(benchmark::kMicrosecond);
BENCHMARK(RebuildNoise900sAt10ms)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareNoise900sAt10ms)->Unit(benchmark::kMicrosecond);
BENCHMARK(RebuildTriangleAndNoise24hAt1s)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareTriangleAndNoise24hAt1s)->Unit(benchmark::kMicrosecond);

// Counting replacements of the global allocation functions: each block carries its size in front.
constexpr std::size_t Header = alignof(std::max_align_t);

void* operator new(std::size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(Header + size));
    if (block == nullptr)
        throw std::bad_alloc();
    *reinterpret_cast<std::size_t*>(block) = size;
    liveBytes += size;
    return block + Header;
}

// GCC takes the free() of a block that this very replacement allocated with malloc() for a
// mismatched pair.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* p) noexcept {
    if (p == nullptr)
        return;
    auto* block = static_cast<unsigned char*>(p) - Header;
    liveBytes -= *reinterpret_cast<std::size_t*>(block);
    std::free(block);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

void operator delete(void* p, std::size_t) noexcept {
    operator delete(p);
}
