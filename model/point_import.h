// Turns a list of points into elements: FUNC_SLOPE for straight stretches, FUNC_CONST for held
// values, on the sample grid of a resolution and within a tolerance of the points.
#pragma once

#include "model/point_list.h"
#include "model/signal_document.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

enum class ImportShape { Linear, Step };

// No output range comes near this; beyond it the arithmetic of a slope would lose the value.
inline constexpr double HugeImportValue = 1e12;

struct ImportSettings {
    int rangeCode = -1;
    int resolutionCode = -1;
    ImportShape shape = ImportShape::Linear;
    double tolerance = 0.0; // in the range's unit
    double gain = 1.0;      // value x gain + offset
    double offset = 0.0;
    double timeScale = 1.0; // time x timeScale
    // Only FUNC_CONST elements, a staircase within the tolerance; a replay file kept as it is
    // needs its slopes.
    bool heldOnly = false;
};

enum class ImportStatus {
    Made,
    NoRange,      // no output range chosen
    NoResolution, // no resolution chosen
    BadSetting,   // tolerance negative, gain, offset or time scale not a usable number
    NotFinite,    // a point's value or time beyond what a double holds after the scaling
    HugeValue,    // a value beyond HugeImportValue after the gain and offset
    TooShort,     // the points last less than one sample interval
    TooLong,      // the points last longer than the resolution's maximum time
};

struct ImportSummary {
    std::size_t pointsRead = 0;
    std::size_t elementsMade = 0;
    // Of the elements' samples from the points, in the range's unit: within the tolerance and the
    // rounding of the parameters to 4 decimals (and to 6 significant digits, beyond 100).
    double largestDeviation = 0.0;
    double duration = 0.0;    // seconds the points last (on the sample grid when made)
    double maximumTime = 0.0; // the resolution's
    std::int64_t samples = 0;
    std::int64_t clippedSamples = 0; // samples beyond the output range, which export holds
};

struct ImportResult {
    ImportStatus status = ImportStatus::Made;
    int line = 0; // NotFinite, HugeValue: the point's line in its text
    ElementList elements;
    ImportSummary summary;

    bool ok() const { return status == ImportStatus::Made; }
};

// The points' values on the sample grid, one per sample of the elements to be made. For a replay
// file imported unchanged, rowStarts marks the samples where the file has a row.
struct SampleTargets {
    ImportStatus status = ImportStatus::Made;
    int line = 0;
    double dataDuration = 0.0; // seconds, before rounding to the grid
    std::vector<double> values;
    std::vector<std::uint8_t> rowStarts; // empty unless a replay file is kept as it is
    // The last point's value where the resolution has no room left to play it after the last
    // sample: the summary's deviation then covers it.
    std::optional<double> unplayedEnd;
};

// What the points suggest while the document has no range or resolution: a replay file's range
// (else the narrowest voltage range that holds the values), and for a replay file the coarsest
// resolution its times fit that holds it (3 fraction digits: 1 ms), for other points the finest
// resolution that holds them. Steps for replay files, lines for the rest.
ImportSettings suggestedSettings(const PointList& points);
int suggestedRange(const PointList& points, double gain, double offset);
int suggestedResolution(const PointList& points, double timeScale);

// The two stages of importPoints, apart for measuring.
SampleTargets resamplePoints(const PointList& points, const ImportSettings& settings);
ElementList simplifySamples(const SampleTargets& targets, const ImportSettings& settings,
                            ImportSummary& summary);

ImportResult importPoints(const PointList& points, const ImportSettings& settings);
