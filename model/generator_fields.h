// How the generators read their fields and make their elements: times rounded to the sample
// interval as the parameter dialog rounds them, levels as the settings file keeps them, and a
// refusal for the first field that cannot be used.
#pragma once

#include "model/generator_settings.h"
#include "model/tables.h"

#include <cstdint>
#include <vector>

class GeneratorFields {
  public:
    // Refuses at once when the target has no range or resolution.
    GeneratorFields(const GeneratorTarget& target, GeneratorResult& result);

    bool ok() const { return result_.ok(); }
    const GeneratorTarget& target() const { return target_; }
    const Resolution& resolution() const { return res_; }

    // A time as a whole number of samples. Refused when it is not a number, is negative or
    // longer than the resolution's maximum time, or rounds to fewer than `fewest` samples (0
    // passes when zeroAllowed: a ramp of 0 s is a jump).
    std::int64_t samples(double seconds, TextId field, std::int64_t fewest,
                         bool zeroAllowed = false);
    // A level in the range's unit, to 4 decimals as the settings file keeps it.
    double level(double value, TextId field);
    int whole(int value, TextId field, int lowest, int highest);
    // A tolerance in the range's unit: 0 or more.
    double tolerance(double value, TextId field);
    // A frequency in hertz up to a quarter of the sample rate; 0 only where zeroAllowed.
    double frequency(double hertz, TextId field, bool zeroAllowed);

    // Whether that many samples fit the resolution's maximum time; refuses TooLong otherwise.
    bool fits(double samples);

    void refuse(GeneratorProblem problem, TextId field = TextId::Count_, double limit = 0.0);

  private:
    GeneratorTarget target_;
    GeneratorResult& result_;
    const Resolution& res_;
};

// Elements made one after the other on the sample grid. A level held right after an equal one
// lengthens that constant instead of adding one.
class GridRun {
  public:
    // Room for at most `elements`: a long list grown by doubling would copy and touch its
    // memory twice.
    GridRun(const Resolution& res, std::size_t elements) : res_(res) {
        elements_.reserve(elements);
    }

    void hold(double level, std::int64_t samples);
    // A straight line from `from` towards `to`, reached where the next element starts; no
    // element for 0 samples (a jump).
    void ramp(double from, double to, std::int64_t samples);
    void add(const SignalElement& element);

    ElementList take();

  private:
    const Resolution& res_;
    ElementList elements_;
    std::int64_t heldSamples_ = 0; // of the last element while it is a constant
};

// The summary of elements made exactly: their samples, duration and samples beyond the range.
void finishExact(ElementList elements, const GeneratorFields& fields, GeneratorResult& result);

// Fits the values, one per sample, with the import's simplifier within the tolerance.
void fitSamples(std::vector<double> values, double tolerance, bool heldOnly,
                const GeneratorFields& fields, GeneratorResult& result);
