#include "model/point_import.h"

#include "model/clipping.h"
#include "model/grid_elements.h"
#include "model/number_text.h"
#include "model/synthesis.h"
#include "model/tables.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace {

// Parameters are held to 4 decimals, as the parameter dialog rounds them.
constexpr double Quantum = 0.0001;
// Where 4 decimals cannot make a replay file's rows, 5 can, as far as the settings file's 6
// significant digits hold them: below 10.
constexpr double FineQuantum = 0.00001;
constexpr double FineBelow = 10.0;
// Half a unit of the sixth significant digit, relative to the value.
constexpr double SignificantHalfUnit = 5e-6;
constexpr double HalfQuantum = 0.00005;
// A time this close to a sample (in samples) is on it: decimal times are rarely exact in binary.
constexpr double OnGrid = 1e-6;
// How far the search for a longer element goes past the longest one found so far.
constexpr std::int64_t LookAhead = 64;
// Tries with a shorter element when the samples of the chosen one stray.
constexpr int Retries = 12;
constexpr int ShortenSlowly = 4;

constexpr int ReplayMillisecondDigits = 3;
constexpr int MillisecondResolution = 3;
// Coarsest first: a replay file with hundredths takes the coarsest interval its times fit.
constexpr int CoarseToFine[] = {2, 1, 0};
// Finest first: other points keep as much detail as the maximum time allows.
constexpr int FineToCoarse[] = {3, 0, 1, 2};
// Voltage ranges, narrowest first, offered for points that name no range.
constexpr int VoltageRanges[] = {0, 4};

// How far a parameter may be from the value it stands for once rounded to 4 decimals and to the
// settings file's 6 significant digits.
double roundingAllowance(double value) {
    return std::max(HalfQuantum, SignificantHalfUnit * std::fabs(value));
}

// Where a time falls on the sample grid, in samples.
double gridPosition(double time, double interval) {
    const double position = time / interval;
    const double nearest = std::round(position);
    return std::fabs(position - nearest) < OnGrid ? nearest : position;
}

bool usable(double value) {
    return std::isfinite(value);
}

// ---- Elements ----

// The element's samples as synthesis makes them: local time accumulated by addition.
template <typename Visit> void forEachSample(const SignalElement& element, double dt, Visit visit) {
    const double end = element.duration - 0.5 * dt;
    std::int64_t index = 0;
    for (double t = 0.0; t < end; t += dt)
        visit(index++, valueAt(element, t));
}

class Simplifier {
  public:
    Simplifier(const SampleTargets& targets, const ImportSettings& settings, ImportSummary& summary)
        : targets_(targets.values), rows_(targets.rowStarts), summary_(summary),
          range_(outputRange(settings.rangeCode)), res_(resolution(settings.resolutionCode)),
          interval_(res_.sampleInterval), exact_(!targets.rowStarts.empty()),
          heldOnly_(settings.heldOnly && !exact_), tolerance_(exact_ ? 0.0 : settings.tolerance),
          unplayedEnd_(targets.unplayedEnd) {}

    ElementList run();

  private:
    struct Candidate {
        std::int64_t samples = 1;
        double last = 0.0;
    };

    std::int64_t count() const { return static_cast<std::int64_t>(targets_.size()); }
    double target(std::int64_t index) const { return targets_[static_cast<std::size_t>(index)]; }
    bool rowAt(std::int64_t index) const { return rows_[static_cast<std::size_t>(index)] != 0; }

    // The longest element from start at most limit samples long, its first value given.
    // A value that changes by less than half a quantum goes up or down by one: downFirst says
    // which to try first.
    Candidate longest(std::int64_t start, double first, std::int64_t limit, bool downFirst,
                      double quantum) const;
    // The first sample of the element that strays from its target (its length when none does).
    std::int64_t firstStray(const SignalElement& element, std::int64_t start,
                            std::int64_t end) const;
    bool sameText(double sample, double target) const;
    // Whether the sample and the two after it lie on one line.
    bool startsStretch(std::int64_t index) const;
    struct Made {
        SignalElement element;
        std::int64_t samples = 0; // 0 when none holds
    };
    // The longest element from start that holds, at most limit samples, with parameters of 4
    // decimals or (fine) 5.
    Made bestElement(std::int64_t start, double first, std::int64_t limit, bool fine) const;
    // Makes the elements of [start, end): the longest that hold, shorter where samples stray.
    void cover(std::int64_t start, std::int64_t end);
    double firstValueAt(std::int64_t start) const;
    // The value held from start to the next row: a row with the same text before or after it
    // needs another value that prints the same.
    double heldValue(std::int64_t start, std::int64_t next) const;
    void accept(const SignalElement& element, std::int64_t start);

    const std::vector<double>& targets_;
    const std::vector<std::uint8_t>& rows_;
    ImportSummary& summary_;
    const OutputRange& range_;
    const Resolution& res_;
    double interval_;
    bool exact_;       // a replay file: its rows are kept, byte for byte on export
    bool heldOnly_;    // constants only
    double tolerance_; // a replay file kept as it is has its rows to match instead
    std::optional<double> unplayedEnd_;
    ElementList elements_;
    double previousLast_ = std::numeric_limits<double>::quiet_NaN();
};

Simplifier::Candidate Simplifier::longest(std::int64_t start, double first, std::int64_t limit,
                                          bool downFirst, double quantum) const {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    struct Choice {
        std::int64_t samples = 1;
        double steps = 0.0;
    };
    Choice best;
    Choice joining; // the longest that ends where the next element starts
    for (std::int64_t samples = 2; samples <= limit; ++samples) {
        const auto j = static_cast<double>(samples - 1);
        const double y = target(start + samples - 1);
        // The slopes per sample that keep sample j within the tolerance.
        const double within = tolerance_ + roundingAllowance(y) * (1.0 + 1e-9);
        low = std::max(low, (y - within - first) / j);
        high = std::min(high, (y + within - first) / j);
        if (low > high)
            break;
        // The end value is first plus whole quanta: which of them keep every sample so far?
        const auto length = static_cast<double>(samples);
        const double fewest = std::ceil(length * low / quantum - 1e-7);
        const double most = std::floor(length * high / quantum + 1e-7);
        if (heldOnly_ && !(fewest <= 0.0 && most >= 0.0))
            break;
        if (fewest <= most) {
            double steps = std::round((fewest + most) / 2.0);
            if (!exact_ && fewest <= 0.0 && most >= 0.0)
                steps = 0.0; // a held value is a constant, not a slope
            // Every sample of a stretch of rows changes the value, which a constant does not.
            if (exact_ && steps == 0.0) {
                const double up = most >= 1.0 ? 1.0 : 0.0;
                const double down = fewest <= -1.0 ? -1.0 : 0.0;
                steps = downFirst && down != 0.0 ? down : up != 0.0 ? up : down;
            }
            if (steps != 0.0 || !exact_)
                best = {samples, steps};
            // Ending at the value the next element starts with puts the breakpoint on the
            // corner of the points rather than one sample past it.
            if (start + samples < count()) {
                const double next = std::round((target(start + samples) - first) / quantum);
                if (next >= fewest && next <= most && (next != 0.0 || !exact_) &&
                    (next == 0.0 || !heldOnly_))
                    joining = {samples, next};
            }
        }
        if (samples > 2 * best.samples + LookAhead)
            break;
    }
    // The last sample of the longest element may be the first of the next straight stretch: the
    // corner of the points. Then the element ends one sample earlier, at the value the next one
    // starts with.
    // An element that reaches the end of what it is to cover has no corner to keep there.
    const bool corner = joining.samples + 1 == best.samples && best.samples < limit &&
                        startsStretch(start + best.samples - 1);
    const Choice chosen = corner ? joining : best;
    return {chosen.samples,
            storedValue(first + chosen.steps * quantum, quantum == Quantum ? 4 : 5)};
}

bool Simplifier::startsStretch(std::int64_t index) const {
    if (index + 2 >= count())
        return false;
    const double a = target(index);
    const double b = target(index + 1);
    const double c = target(index + 2);
    const double within =
        tolerance_ + roundingAllowance(std::max({std::fabs(a), std::fabs(b), std::fabs(c)}));
    return std::fabs(a - 2 * b + c) <= 2 * within;
}

bool Simplifier::sameText(double sample, double target) const {
    const double clamped = clampToLimits(sample, range_.minimum, range_.maximum);
    if (std::fabs(clamped - target) < HalfQuantum * 0.999 && std::fabs(target) >= Quantum)
        return true;
    return formatFixed(clamped, 4) == formatFixed(target, 4);
}

std::int64_t Simplifier::firstStray(const SignalElement& element, std::int64_t start,
                                    std::int64_t end) const {
    std::int64_t stray = -1;
    double previous = previousLast_;
    double last = 0.0;
    // Both ends of a slope are rounded; its samples lie between them.
    const double ends = std::max(std::fabs(element.params[0]),
                                 element.type == FUNC_SLOPE ? std::fabs(element.params[1]) : 0.0);
    forEachSample(element, interval_, [&](std::int64_t j, double value) {
        const double allowance =
            std::max(roundingAllowance(ends), roundingAllowance(target(start + j))) * (1.0 + 1e-9);
        if (stray >= 0)
            return;
        const double y = target(start + j);
        last = clampToLimits(value, range_.minimum, range_.maximum);
        if (exact_) {
            // Export writes a row exactly where the clamped value changes.
            const bool changes = !(last == previous);
            if (!sameText(value, y) || changes != (start + j == 0 || rowAt(start + j)))
                stray = j;
        } else if (!(std::fabs(value - y) <= tolerance_ + allowance)) {
            stray = j;
        }
        previous = last;
    });
    const std::int64_t samples = end - start;
    if (stray < 0 && exact_ && end < count() && rowAt(end) &&
        last == clampToLimits(firstValueAt(end), range_.minimum, range_.maximum))
        stray = samples - 1; // the next element would start without a row
    return stray < 0 ? samples : stray;
}

double Simplifier::firstValueAt(std::int64_t start) const {
    const double y = target(start);
    if (!exact_ && !elements_.empty()) {
        const SignalElement& before = elements_.back();
        const double end = before.type == FUNC_SLOPE ? before.params[1] : before.params[0];
        // Going on from where the last element ended keeps the line unbroken.
        if (std::fabs(end - y) <= tolerance_ + roundingAllowance(y))
            return end;
    }
    return storedValue(y);
}

double Simplifier::heldValue(std::int64_t start, std::int64_t next) const {
    const double value = storedValue(target(start));
    const bool sameNext = next < count() && storedValue(target(next)) == value;
    if (!(sameNext || value == previousLast_) || !(std::fabs(value) < FineBelow))
        return value;
    for (const double shift : {FineQuantum, -FineQuantum}) {
        const double shifted = storedValue(value + shift, 5);
        if (shifted != previousLast_ && sameText(shifted, target(start)))
            return shifted;
    }
    return value;
}

void Simplifier::accept(const SignalElement& element, std::int64_t start) {
    forEachSample(element, interval_, [&](std::int64_t j, double value) {
        summary_.largestDeviation =
            std::max(summary_.largestDeviation, std::fabs(value - target(start + j)));
        if (unplayedEnd_ && start + j + 1 == count())
            summary_.largestDeviation =
                std::max(summary_.largestDeviation, std::fabs(value - *unplayedEnd_));
        if (isClipped(value, range_.minimum, range_.maximum))
            ++summary_.clippedSamples;
        previousLast_ = clampToLimits(value, range_.minimum, range_.maximum);
    });
    elements_.push_back(element);
}

Simplifier::Made Simplifier::bestElement(std::int64_t start, double first, std::int64_t limit,
                                         bool fine) const {
    const double quantum = fine ? FineQuantum : Quantum;
    for (int round = 0; round <= Retries; ++round) {
        std::int64_t shortest = limit;
        std::int64_t nextShorter = 1;
        Made made;
        for (const bool downFirst : {false, true}) {
            const Candidate candidate = longest(start, first, limit, downFirst, quantum);
            const SignalElement tried = gridElement(first, candidate.last, candidate.samples, res_);
            const std::int64_t stray = firstStray(tried, start, start + candidate.samples);
            if (stray == candidate.samples && candidate.samples > made.samples)
                made = {tried, candidate.samples};
            else if (stray < candidate.samples) {
                shortest = std::min(shortest, std::max<std::int64_t>(1, stray));
                nextShorter = std::max(nextShorter, candidate.samples - 1);
            }
            // Which way a value of less than half a quantum goes matters only to rows.
            if (!exact_ || made.samples > 0)
                break;
        }
        if (made.samples > 0 || limit == 1)
            return made;
        // A sample at a rounding tie strays by chance: one sample less may hold where cutting
        // at the stray sample would give up most of the element.
        const std::int64_t shorter = round < ShortenSlowly ? nextShorter : shortest;
        // Two samples are the shortest element whose last sample may differ from its first:
        // worth a try before one.
        limit = shorter == 1 && limit > 2 ? 2 : shorter;
    }
    return {};
}

void Simplifier::cover(std::int64_t start, std::int64_t end) {
    while (start < end) {
        const double first = firstValueAt(start);
        Made made = bestElement(start, first, end - start, false);
        // 4 decimals that make more than a pair of samples end where the points turn; only where
        // they cannot do better may 5 decimals, which would run a slope past the corner.
        if (exact_ && made.samples <= 2 && std::fabs(first) < FineBelow) {
            const Made fine = bestElement(start, first, end - start, true);
            if (fine.samples > made.samples)
                made = fine;
        }
        if (made.samples == 0)
            made = {gridElement(first, first, 1, res_), 1};
        accept(made.element, start);
        start += made.samples;
    }
}

ElementList Simplifier::run() {
    if (!exact_) {
        cover(0, count());
        return std::move(elements_);
    }
    // A replay file alternates held values (one row, then none) and stretches where every
    // sample has a row; a held value is one constant from its row to the next.
    std::int64_t start = 0;
    while (start < count()) {
        std::int64_t next = start + 1;
        while (next < count() && !rowAt(next))
            ++next;
        if (next > start + 1 || next == count()) {
            accept(gridElement(heldValue(start, next), heldValue(start, next), next - start, res_),
                   start);
            start = next;
            continue;
        }
        // Rows at every sample up to the one that starts the next held value.
        std::int64_t end = next;
        while (end + 1 < count() && rowAt(end + 1))
            ++end;
        if (end + 1 == count())
            end = count();
        cover(start, end);
        start = end;
    }
    return std::move(elements_);
}

// ---- Resampling ----

bool allOnGrid(const std::vector<double>& positions) {
    return std::all_of(positions.begin(), positions.end(),
                       [](double position) { return position == std::round(position); });
}

bool keepsReplayRows(const PointList& points, const ImportSettings& settings) {
    return points.isReplay() && settings.shape == ImportShape::Step && settings.tolerance == 0.0 &&
           settings.gain == 1.0 && settings.offset == 0.0 && settings.timeScale == 1.0;
}

} // namespace

int suggestedRange(const PointList& points, double gain, double offset) {
    if (points.replayRangeCode >= 0)
        return points.replayRangeCode;
    double lowest = 0.0;
    double highest = 0.0;
    for (const double value : points.values) {
        lowest = std::min(lowest, value * gain + offset);
        highest = std::max(highest, value * gain + offset);
    }
    for (const int code : VoltageRanges) {
        if (lowest >= outputRange(code).minimum && highest <= outputRange(code).maximum)
            return code;
    }
    return VoltageRanges[std::size(VoltageRanges) - 1];
}

int suggestedResolution(const PointList& points, double timeScale) {
    const double duration =
        points.times.empty() ? 0.0 : (points.times.back() + points.timeStep) * timeScale;
    const auto holds = [&](int code) { return duration <= resolution(code).maximumTotalTime; };
    if (points.replayTimeDigits == ReplayMillisecondDigits)
        return MillisecondResolution;
    if (points.isReplay()) {
        for (const int code : CoarseToFine) {
            const double interval = resolution(code).sampleInterval;
            const bool fits = std::all_of(points.times.begin(), points.times.end(), [&](double t) {
                const double position = gridPosition(t * timeScale, interval);
                return position == std::round(position);
            });
            if (fits && holds(code))
                return code;
        }
    }
    for (const int code : FineToCoarse) {
        if (holds(code))
            return code;
    }
    return FineToCoarse[std::size(FineToCoarse) - 1];
}

ImportSettings suggestedSettings(const PointList& points) {
    ImportSettings settings;
    settings.rangeCode = suggestedRange(points, settings.gain, settings.offset);
    settings.resolutionCode = suggestedResolution(points, settings.timeScale);
    settings.shape = points.isReplay() ? ImportShape::Step : ImportShape::Linear;
    return settings;
}

SampleTargets resamplePoints(const PointList& points, const ImportSettings& settings) {
    SampleTargets out;
    const auto refuse = [&](ImportStatus status, int line = 0) {
        out.status = status;
        out.line = line;
        out.values.clear();
        out.rowStarts.clear();
        return out;
    };
    const double interval = resolution(settings.resolutionCode).sampleInterval;
    const double maximum = resolution(settings.resolutionCode).maximumTotalTime;
    const std::size_t count = points.times.size();
    if (count == 0)
        return refuse(ImportStatus::TooShort);

    // The end: the last point, or one step after it for values that each hold one step.
    const bool heldSteps = settings.shape == ImportShape::Step && points.timeStep > 0.0;
    out.dataDuration =
        (points.times.back() + (heldSteps ? points.timeStep : 0.0)) * settings.timeScale;
    if (!usable(out.dataDuration))
        return refuse(ImportStatus::TooLong);
    const double end = gridPosition(out.dataDuration, interval);
    const auto maximumSamples = static_cast<std::int64_t>(std::llround(maximum / interval));
    if (end > static_cast<double>(maximumSamples) + 0.5)
        return refuse(ImportStatus::TooLong);
    const auto samples = static_cast<std::int64_t>(std::llround(end));
    if (samples == 0)
        return refuse(ImportStatus::TooShort);

    std::vector<double> positions(count);
    std::vector<double> values(count);
    for (std::size_t i = 0; i < count; ++i) {
        positions[i] = gridPosition(points.times[i] * settings.timeScale, interval);
        // Adding a zero offset would turn -0, which a replay file writes as "-0.0000", into 0.
        values[i] = points.values[i] * settings.gain;
        if (settings.offset != 0.0)
            values[i] += settings.offset;
        const int line = i < points.lines.size() ? points.lines[i] : 0;
        if (!usable(values[i]) || !usable(positions[i]))
            return refuse(ImportStatus::NotFinite, line);
        if (std::fabs(values[i]) > HugeImportValue)
            return refuse(ImportStatus::HugeValue, line);
    }
    const bool exact = keepsReplayRows(points, settings) && allOnGrid(positions);
    out.values.resize(static_cast<std::size_t>(samples));
    if (exact)
        out.rowStarts.assign(static_cast<std::size_t>(samples), 0);
    std::size_t at = 0; // the last point at or before the sample
    for (std::int64_t k = 0; k < samples; ++k) {
        const auto position = static_cast<double>(k);
        std::size_t next = at + 1;
        while (next < count && positions[next] <= position) {
            at = next++;
            if (exact)
                out.rowStarts[static_cast<std::size_t>(k)] = 1;
        }
        double value = values[at];
        if (settings.shape == ImportShape::Linear && next < count)
            value += (values[next] - value) * (position - positions[at]) /
                     (positions[next] - positions[at]);
        out.values[static_cast<std::size_t>(k)] = value;
    }
    if (exact)
        out.rowStarts[0] = 1;
    // A recording or a PWL source holds its last value after its last point, so the signal plays
    // it for one sample interval. A replay file's last row only marks the end.
    const double lastValue = values[count - 1];
    if (!points.isReplay() && !(out.values.back() == lastValue)) {
        if (samples < maximumSamples)
            out.values.push_back(lastValue);
        else
            out.unplayedEnd = lastValue;
    }
    return out;
}

ElementList simplifySamples(const SampleTargets& targets, const ImportSettings& settings,
                            ImportSummary& summary) {
    ElementList elements = Simplifier(targets, settings, summary).run();
    summary.elementsMade = elements.size();
    summary.samples = static_cast<std::int64_t>(targets.values.size());
    summary.duration = static_cast<double>(targets.values.size()) *
                       resolution(settings.resolutionCode).sampleInterval;
    return elements;
}

ImportResult importPoints(const PointList& points, const ImportSettings& settings) {
    ImportResult result;
    result.summary.pointsRead = points.times.size();
    const auto refuse = [&](ImportStatus status, int line = 0) {
        result.status = status;
        result.line = line;
        return result;
    };
    if (settings.rangeCode < 0 || settings.rangeCode >= RangeCount)
        return refuse(ImportStatus::NoRange);
    if (settings.resolutionCode < 0 || settings.resolutionCode >= ResolutionCount)
        return refuse(ImportStatus::NoResolution);
    result.summary.maximumTime = resolution(settings.resolutionCode).maximumTotalTime;
    if (!(settings.tolerance >= 0.0) || !usable(settings.tolerance) || !usable(settings.gain) ||
        !usable(settings.offset) || !(settings.timeScale > 0.0) || !usable(settings.timeScale))
        return refuse(ImportStatus::BadSetting);
    const SampleTargets targets = resamplePoints(points, settings);
    result.summary.duration = targets.dataDuration;
    if (targets.status != ImportStatus::Made)
        return refuse(targets.status, targets.line);
    result.elements = simplifySamples(targets, settings, result.summary);
    return result;
}
