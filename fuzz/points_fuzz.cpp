// Every text the point reader accepts gives finite points in time order, and every import of
// them gives constants and slopes whose samples keep to the points within the tolerance.
#include "files/point_reader.h"
#include "files/settings_file.h"
#include "model/point_import.h"
#include "model/synthesis.h"
#include "model/tables.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string_view>

namespace {

// Imports of more samples take milliseconds; the fuzzer needs thousands of runs a second.
constexpr double MaxImportedSamples = 5000;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// The first byte picks the columns and the time step, the rest is the text.
PointReadOptions optionsOf(std::uint8_t choice) {
    PointReadOptions options;
    if (choice & 1) {
        options.timeColumn = (choice >> 1) % 4 == 3 ? NoTimeColumn : (choice >> 1) % 4;
        options.valueColumn = (choice >> 3) % 4;
    }
    options.timeStep = (choice & 0x20) ? 0.001 * ((choice >> 6) + 1) : 0.0;
    return options;
}

ImportSettings settingsOf(const PointList& points, std::uint8_t choice) {
    ImportSettings settings = suggestedSettings(points);
    settings.shape = (choice & 1) ? ImportShape::Step : ImportShape::Linear;
    settings.tolerance = (choice & 2) ? 0.01 * (choice >> 4) : 0.0;
    if (choice & 4)
        settings.gain = -0.5;
    if (choice & 8)
        settings.offset = 1.25;
    return settings;
}

void checkPoints(const PointList& points) {
    if (points.times.size() != points.values.size() || points.times.size() != points.lines.size())
        fail("points, values and lines differ in number");
    if (points.times.empty() || points.times.front() != 0.0)
        fail("times do not start at 0");
    for (std::size_t i = 0; i < points.times.size(); ++i) {
        if (!std::isfinite(points.times[i]) || !std::isfinite(points.values[i]))
            fail("a point is not finite");
        if (i > 0 && points.times[i] < points.times[i - 1])
            fail("times go back");
    }
}

void checkImport(const PointList& points, const ImportSettings& settings) {
    const ImportResult made = importPoints(points, settings);
    if (!made.ok())
        return;
    std::int64_t samples = 0;
    for (const SignalElement& element : made.elements) {
        if (element.type != FUNC_CONST && element.type != FUNC_SLOPE)
            fail("an element other than a constant or a slope");
        for (const double p : element.params)
            if (!std::isfinite(p))
                fail("a parameter is not finite");
        samples += sampleCountOf(element, resolution(settings.resolutionCode).sampleInterval);
    }
    if (samples != made.summary.samples)
        fail("the elements' samples are not the points' duration");
    // Parameters keep 4 decimals and 6 significant digits.
    double largest = 0.0;
    for (const double value : points.values)
        largest = std::max(largest, std::fabs(value * settings.gain + settings.offset));
    const double rounding = std::max(0.00005, 5e-6 * largest) * (1.0 + 1e-6);
    if (!(made.summary.largestDeviation <= settings.tolerance + rounding))
        fail("a sample strays beyond the tolerance");
    const SignalDocument doc =
        madeDocument(settings.rangeCode, settings.resolutionCode, made.elements);
    std::istringstream saved(settingsFileText(doc));
    SignalDocument loaded;
    if (!readSettingsText(saved, loaded).ok())
        fail("the imported elements do not load back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    const PointReadResult read = readPoints(text, optionsOf(data[0]));
    if (!read.ok())
        return 0;
    checkPoints(read.points);
    const ImportSettings settings = settingsOf(read.points, data[1]);
    const double interval = resolution(settings.resolutionCode).sampleInterval;
    if (read.points.times.back() / interval <= MaxImportedSamples)
        checkImport(read.points, settings);
    return 0;
}
