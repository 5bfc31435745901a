#include "model/synthesis.h"

#include "model/noise.h"

#include <cmath>

namespace {

using Params = std::array<double, ParamSlots>;

// A sample within this much before a cycle boundary or level switch already counts as past it.
constexpr double Epsilon = 0.0001;
constexpr double Pi = 3.141592653589793;

// Local time within the current cycle of a rectangle or triangle wave. The cycle number is
// truncated in double: a zero cycle or a hand-edited huge or NaN value gives inf or NaN here,
// never an integer conversion out of range.
double timeInCycle(double t, double cycle) {
    const double n = std::trunc((t + Epsilon) / cycle);
    return t - n * cycle;
}

double slopeValue(const Params& p, double t) {
    if (t <= p[2])
        return (p[1] - p[0]) * t / p[2] + p[0];
    return p[1];
}

double rectangleValue(const Params& p, double t) {
    const double tau = timeInCycle(t, p[3] + p[2]);
    return tau + Epsilon >= p[2] ? p[1] : p[0];
}

double triangleValue(const Params& p, double t) {
    const double delta = p[1] - p[0];
    const double tau = timeInCycle(t, p[3] + p[2]);
    if (p[2] - Epsilon > tau)
        return delta * tau / p[2] + p[0];
    return p[1] - (tau - p[2]) * delta / p[3];
}

// The phase slot is in degrees.
double sineValue(const Params& p, double t) {
    return p[0] + p[1] * std::sin(2.0 * Pi * t / p[2] + Pi * p[3] / 180.0);
}

double exponentialValue(const Params& p, double t) {
    return p[1] - (p[1] - p[0]) * std::exp(-t / p[2]);
}

bool isSampled(FuncType type) {
    return type >= FUNC_CONST && type <= FUNC_SUM;
}

// Visits the local times of an element's samples: t < duration - dt/2, with t accumulated by
// addition as the instrument's files have always been produced, so an element whose length is
// not a multiple of dt lands exactly where it always did. An interval that does not move t
// forward (zero, negative, or lost in the rounding of a huge t) ends the element instead of
// looping for ever.
template <typename Visit> void forEachSampleTime(double duration, double dt, Visit visit) {
    const double end = duration - 0.5 * dt;
    for (double t = 0.0; t < end;) {
        visit(t);
        const double next = t + dt;
        if (!(next > t))
            break;
        t = next;
    }
}

template <typename Value>
double sampleLoop(double duration, double t0, double dt, TracePoints& trace, Value value) {
    double last = 0.0;
    forEachSampleTime(duration, dt, [&](double t) {
        last = value(t);
        trace.appendPoint(t0 + t, last);
    });
    return last;
}

} // namespace

double valueAt(const SignalElement& element, double t) {
    const auto& p = element.params;
    switch (element.type) {
    case FUNC_CONST:
        return p[0];
    case FUNC_SLOPE:
        return slopeValue(p, t);
    case FUNC_RECT:
        return rectangleValue(p, t);
    case FUNC_TRI:
        return triangleValue(p, t);
    case FUNC_SIN:
        return sineValue(p, t);
    case FUNC_EXPO:
        return exponentialValue(p, t);
    default:
        return 0.0;
    }
}

double sampleElement(const SignalElement& element, double t0, double dt, TracePoints& trace) {
    const double duration = element.duration;
    const auto& p = element.params;
    // One loop per type, so the type is looked at once per element rather than once per sample.
    switch (element.type) {
    case FUNC_CONST:
        return sampleLoop(duration, t0, dt, trace, [&](double) { return p[0]; });
    case FUNC_SLOPE:
        return sampleLoop(duration, t0, dt, trace, [&](double t) { return slopeValue(p, t); });
    case FUNC_RECT:
        return sampleLoop(duration, t0, dt, trace, [&](double t) { return rectangleValue(p, t); });
    case FUNC_TRI:
        return sampleLoop(duration, t0, dt, trace, [&](double t) { return triangleValue(p, t); });
    case FUNC_SIN:
        return sampleLoop(duration, t0, dt, trace, [&](double t) { return sineValue(p, t); });
    case FUNC_EXPO:
        return sampleLoop(duration, t0, dt, trace,
                          [&](double t) { return exponentialValue(p, t); });
    case FUNC_RANDOM: {
        NoiseGenerator noise(noiseSeedFromSlot(p[2]));
        return sampleLoop(duration, t0, dt, trace,
                          [&](double) { return nextNoiseValue(noise, p[0], p[1]); });
    }
    case FUNC_SUM: {
        const SignalElement a = subElement(element, SubFunction::A);
        const SignalElement b = subElement(element, SubFunction::B);
        const bool noiseB = b.type == FUNC_RANDOM;
        NoiseGenerator noise(noiseB ? noiseSeedFromSlot(b.params[2]) : 0);
        return sampleLoop(duration, t0, dt, trace, [&](double t) {
            const double va = valueAt(a, t);
            const double vb =
                noiseB ? nextNoiseValue(noise, b.params[0], b.params[1]) : valueAt(b, t);
            return va + vb;
        });
    }
    default:
        return 0.0;
    }
}

void rebuildSamples(const std::vector<SignalElement>& elements, double dt, TracePoints& trace) {
    SampleMarks marks;
    rebuildSamplesFrom(elements, dt, trace, marks, 0);
}

void rebuildSamplesFrom(const std::vector<SignalElement>& elements, double dt, TracePoints& trace,
                        SampleMarks& marks, std::size_t from) {
    const bool resumable = from > 0 && from <= elements.size() && from <= marks.firstPoint.size() &&
                           trace.pointCount() > 0 && trace.pointCount() < MaxTracePoints;
    double t0 = 0.0;
    double last = 0.0;
    if (resumable) {
        // The samples of the unchanged elements stay; what followed them goes, the closing point
        // too. The element before the change gives the start time and the last value.
        trace.keepFirstPoints(from < marks.firstPoint.size() ? marks.firstPoint[from]
                                                             : trace.pointCount() - 1);
        t0 = marks.startTime[from - 1] + elements[from - 1].duration;
        last = marks.lastValue[from - 1];
    } else {
        from = 0;
        trace.clearPoints();
        trace.reservePoints(static_cast<std::size_t>(listSampleCount(elements, dt)));
    }
    // Room for every element at once: a long list grows its marks without moving them again.
    for (auto* held : {&marks.startTime, &marks.lastValue})
        held->reserve(elements.size());
    marks.firstPoint.reserve(elements.size());
    marks.firstPoint.resize(from);
    marks.startTime.resize(from);
    marks.lastValue.resize(from);
    for (std::size_t i = from; i < elements.size(); ++i) {
        marks.firstPoint.push_back(trace.pointCount());
        marks.startTime.push_back(t0);
        last = sampleElement(elements[i], t0, dt, trace);
        marks.lastValue.push_back(last);
        t0 = t0 + elements[i].duration;
    }
    trace.appendPoint(t0, last);
}

std::int64_t sampleCountOf(const SignalElement& element, double dt) {
    if (!isSampled(element.type))
        return 0;
    const double end = element.duration - 0.5 * dt;
    if (!(end > 0.0))
        return 0;
    // Too many to count one by one (or an interval that never gets there): report "too many".
    if (!(dt > 0.0) || !(end / dt <= static_cast<double>(CountedSamplesLimit)))
        return CountedSamplesLimit + 1;
    std::int64_t count = 0;
    forEachSampleTime(element.duration, dt, [&](double) { ++count; });
    return count;
}

std::int64_t listSampleCount(const std::vector<SignalElement>& elements, double dt) {
    std::int64_t count = 1; // the closing point
    for (const SignalElement& element : elements) {
        count += sampleCountOf(element, dt);
        if (count > CountedSamplesLimit)
            return CountedSamplesLimit + 1;
    }
    return count;
}
