#pragma once

#include "model/signal_document.h"
#include "model/synthesis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// The samples synthesis makes of the elements, without the closing point.
inline std::vector<double> samplesOf(const ElementList& elements, double dt) {
    TracePoints trace;
    rebuildSamples(elements, dt, trace);
    std::vector<double> values;
    for (int i = 0; i + 1 < trace.pointCount(); ++i)
        values.push_back(trace.pointAt(i).value);
    return values;
}

// What rounding a parameter to 4 decimals and the settings file's 6 significant digits may move
// a value.
inline double parameterRounding(double value) {
    return std::max(0.00005, 5e-6 * std::fabs(value)) * (1.0 + 1e-9);
}

// Every sample of the elements follows the closed form at k * dt, within the tolerance and the
// rounding of the parameters; the first one that strays fails the test.
template <typename ClosedForm>
void expectSamplesFollow(const ElementList& elements, double dt, std::int64_t count,
                         double tolerance, ClosedForm closedForm) {
    const std::vector<double> samples = samplesOf(elements, dt);
    ASSERT_EQ(static_cast<std::int64_t>(samples.size()), count);
    for (std::size_t k = 0; k < samples.size(); ++k) {
        const double expected = closedForm(static_cast<double>(k) * dt);
        if (!(std::fabs(samples[k] - expected) <=
              tolerance + parameterRounding(expected) + 1e-9 * std::fabs(expected))) {
            ADD_FAILURE() << "sample " << k << " at " << static_cast<double>(k) * dt << " s is "
                          << samples[k] << ", the closed form " << expected;
            return;
        }
    }
}
