#include "model/generator_fields.h"

#include "model/clipping.h"
#include "model/grid_elements.h"
#include "model/param_fields.h"
#include "model/synthesis.h"

#include <cmath>
#include <utility>

namespace {

// Four samples a period at the least: a sweep above that is no longer a sine on the grid.
constexpr double SamplesPerPeriod = 4.0;

std::int64_t maximumSamples(const Resolution& res) {
    return std::llround(res.maximumTotalTime / res.sampleInterval);
}

} // namespace

GeneratorFields::GeneratorFields(const GeneratorTarget& target, GeneratorResult& result)
    : target_(target), result_(result), res_(::resolution(target.resolutionCode)) {
    result_ = {};
    if (target.rangeCode < 0 || target.rangeCode >= RangeCount)
        refuse(GeneratorProblem::NoRange);
    else if (target.resolutionCode < 0 || target.resolutionCode >= ResolutionCount)
        refuse(GeneratorProblem::NoResolution);
    result_.summary.maximumTime = res_.maximumTotalTime;
}

void GeneratorFields::refuse(GeneratorProblem problem, TextId field, double limit) {
    if (!ok())
        return;
    result_.refusal.problem = problem;
    result_.refusal.field = field;
    result_.refusal.limit = limit;
}

std::int64_t GeneratorFields::samples(double seconds, TextId field, std::int64_t fewest,
                                      bool zeroAllowed) {
    if (!std::isfinite(seconds)) {
        refuse(GeneratorProblem::NotANumber, field);
        return 0;
    }
    if (seconds < 0.0) {
        refuse(GeneratorProblem::BelowMinimum, field, 0.0);
        return 0;
    }
    if (seconds > res_.maximumTotalTime) {
        refuse(GeneratorProblem::AboveMaximum, field, res_.maximumTotalTime);
        return 0;
    }
    const double rounded =
        normalizeFieldValue(seconds, {0.0, res_.maximumTotalTime, res_.timeDecimals});
    const std::int64_t count = std::llround(rounded / res_.sampleInterval);
    if (count < fewest && !(zeroAllowed && count == 0))
        refuse(GeneratorProblem::ShorterThanSample, field,
               static_cast<double>(fewest) * res_.sampleInterval);
    return count;
}

double GeneratorFields::level(double value, TextId field) {
    if (!std::isfinite(value) || std::fabs(value) > HugeImportValue) {
        refuse(GeneratorProblem::NotANumber, field);
        return 0.0;
    }
    return storedValue(value);
}

int GeneratorFields::whole(int value, TextId field, int lowest, int highest) {
    if (value < lowest)
        refuse(GeneratorProblem::BelowMinimum, field, lowest);
    else if (value > highest)
        refuse(GeneratorProblem::AboveMaximum, field, highest);
    return value;
}

double GeneratorFields::tolerance(double value, TextId field) {
    if (!std::isfinite(value) || value > HugeImportValue)
        refuse(GeneratorProblem::NotANumber, field);
    else if (value < 0.0)
        refuse(GeneratorProblem::BelowMinimum, field, 0.0);
    return value;
}

double GeneratorFields::frequency(double hertz, TextId field, bool zeroAllowed) {
    const double highest = 1.0 / (SamplesPerPeriod * res_.sampleInterval);
    if (!std::isfinite(hertz))
        refuse(GeneratorProblem::NotANumber, field);
    else if (hertz < 0.0 || (hertz == 0.0 && !zeroAllowed))
        refuse(GeneratorProblem::NotPositive, field);
    else if (hertz > highest)
        refuse(GeneratorProblem::FrequencyTooHigh, field, highest);
    return hertz;
}

bool GeneratorFields::fits(double samples) {
    if (!ok())
        return false;
    if (samples > static_cast<double>(maximumSamples(res_)) + 0.5) {
        result_.summary.duration = samples * res_.sampleInterval;
        refuse(GeneratorProblem::TooLong);
        return false;
    }
    return true;
}

void GridRun::hold(double level, std::int64_t samples) {
    if (samples == 0)
        return;
    if (heldSamples_ > 0 && elements_.back().params[0] == level) {
        heldSamples_ += samples;
        elements_.back() = gridElement(level, level, heldSamples_, res_);
        return;
    }
    elements_.push_back(gridElement(level, level, samples, res_));
    heldSamples_ = samples;
}

void GridRun::ramp(double from, double to, std::int64_t samples) {
    if (samples == 0)
        return;
    if (from == to) {
        hold(from, samples);
        return;
    }
    elements_.push_back(gridElement(from, to, samples, res_));
    heldSamples_ = 0;
}

void GridRun::add(const SignalElement& element) {
    elements_.push_back(element);
    heldSamples_ = 0;
}

ElementList GridRun::take() {
    heldSamples_ = 0;
    return std::move(elements_);
}

void finishExact(ElementList elements, const GeneratorFields& fields, GeneratorResult& result) {
    const OutputRange& range = outputRange(fields.target().rangeCode);
    const double interval = fields.resolution().sampleInterval;
    TracePoints trace;
    rebuildSamples(elements, interval, trace);
    ImportSummary& summary = result.summary;
    summary.samples = trace.pointCount() - 1; // not the closing point
    summary.duration = static_cast<double>(summary.samples) * interval;
    for (int i = 0; i < summary.samples; ++i) {
        if (isClipped(trace.pointAt(i).value, range.minimum, range.maximum))
            ++summary.clippedSamples;
    }
    summary.elementsMade = elements.size();
    result.elements = std::move(elements);
}

void fitSamples(std::vector<double> values, double tolerance, bool heldOnly,
                const GeneratorFields& fields, GeneratorResult& result) {
    ImportSettings settings;
    settings.rangeCode = fields.target().rangeCode;
    settings.resolutionCode = fields.target().resolutionCode;
    settings.tolerance = tolerance;
    settings.heldOnly = heldOnly;
    SampleTargets targets;
    targets.values = std::move(values);
    result.elements = simplifySamples(targets, settings, result.summary);
    result.fitted = true;
}
