#include "canvas/preview_chart.h"

#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

// Where the trace ends, as a share of the plot's width.
double endShare(const DrawList& list) {
    const int x = list.traces.at(0).points.back().x;
    return static_cast<double>(x - list.frame.left) / (list.frame.right - list.frame.left);
}

TracePoints samplesOf(const std::vector<SignalElement>& elements, double dt) {
    TracePoints samples;
    rebuildSamples(elements, dt, samples);
    return samples;
}

} // namespace

TEST(PreviewChart, ShowsTheWholeSignalInTheShortestPeriodThatHoldsIt) {
    const TracePoints samples = samplesOf({makeElement(FUNC_SLOPE, {0, 5, 8})}, 0.01);
    const DrawList list = previewDrawList(samples, 4, 400, 200, 96);
    EXPECT_EQ(list.width, 400);
    EXPECT_EQ(list.height, 200);
    ASSERT_TRUE(list.showsView);
    ASSERT_EQ(list.traces.size(), 1u);
    EXPECT_FALSE(list.traces[0].points.empty());
    // 8 s in the 10 s period; the ±32 V range's axis.
    EXPECT_NEAR(endShare(list), 0.8, 0.02);
    ASSERT_TRUE(list.valueAxis.has_value());
    EXPECT_EQ(list.valueAxis->labels.front().text, " +32.000");
    EXPECT_TRUE(list.clipped.empty());
}

TEST(PreviewChart, ALongSignalTakesALongerPeriodAndShowsItsClippedStretches) {
    const TracePoints samples = samplesOf({makeElement(FUNC_CONST, {12, 100})}, 1.0);
    const DrawList list = previewDrawList(samples, 0, 400, 200, 144);
    ASSERT_TRUE(list.showsView);
    EXPECT_FALSE(list.clipped.empty());
    // 100 s in the 5 min period.
    EXPECT_NEAR(endShare(list), 1.0 / 3.0, 0.02);
}
