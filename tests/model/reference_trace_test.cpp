#include "model/reference_trace.h"

#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

// 1, 1, -3 and 4 V for 1 s each at the 1 s resolution: samples at 0, 1, 2 and 3 s.
ReferenceTrace signalOfSteps() {
    SignalDocument doc{{constantElement(1, 1), constantElement(1, 1), constantElement(-3, 1),
                        constantElement(4, 1)},
                       0,
                       2,
                       1.0};
    TracePoints samples;
    rebuildSamples(doc.elements, doc.sampleInterval, samples);
    return exportedTrace(doc, samples);
}

} // namespace

TEST(ReferenceTrace, TheExportedSignalIsHeldAndClamped) {
    SignalDocument doc{{constantElement(12, 1), constantElement(-2, 1)}, 0, 2, 1.0};
    TracePoints samples;
    rebuildSamples(doc.elements, doc.sampleInterval, samples);
    const ReferenceTrace trace = exportedTrace(doc, samples);
    EXPECT_TRUE(trace.held);
    ASSERT_EQ(trace.points.size(), 3u);
    EXPECT_EQ(trace.points[0].value, 10);
    EXPECT_EQ(trace.points[2].time, 2);
    EXPECT_EQ(trace.points[2].value, -2);
}

TEST(ReferenceTrace, LargestDifferenceFromShiftedShorterLongerAndSteppedReferences) {
    const ReferenceTrace signal = signalOfSteps();
    const struct {
        const char* what;
        ReferenceTrace reference;
        std::size_t compared;
        double largest, time, firstTime, lastTime;
    } rows[] = {
        {"itself", signal, 4, 0, 0, 0, 3},
        {"shifted by half a second, straight lines",
         {{{0.5, 1}, {1.5, 1}, {2.5, -3}, {3.5, 4}}, false},
         3,
         3.5,
         3,
         1,
         3},
        {"shorter, held", {{{0, 1}, {2, 1}}, true}, 3, 4, 2, 0, 2},
        {"longer", {{{-5, 0}, {10, 0}}, false}, 4, 4, 3, 0, 3},
        {"stepped", {{{0, 1}, {2, -2}, {3, 4}, {4, 4}}, true}, 4, 1, 2, 0, 3},
        {"jumps of straight lines",
         {{{0, 1}, {2, 1}, {2, -3}, {3, -3}, {3, 4}, {4, 4}}, false},
         4,
         0,
         0,
         0,
         3},
        {"times a rounding off",
         {{{-1e-9, 1}, {2.0000001, -3}, {2.9999999, 4}, {4, 4}}, true},
         4,
         0,
         0,
         0,
         3},
        {"no common time", {{{10, 0}, {11, 0}}, false}, 0, 0, 0, 0, 0},
        {"no points", {{}, true}, 0, 0, 0, 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const TraceDifference difference = largestDifference(signal, row.reference);
        EXPECT_EQ(difference.compared, row.compared);
        EXPECT_DOUBLE_EQ(difference.largest, row.largest);
        EXPECT_EQ(difference.time, row.time);
        EXPECT_EQ(difference.firstTime, row.firstTime);
        EXPECT_EQ(difference.lastTime, row.lastTime);
    }
}

// Points read without held steps are compared at every point, the last one too.
TEST(ReferenceTrace, AStraightLineSignalIsComparedAtEveryPoint) {
    const ReferenceTrace points{{{0, 0}, {1, 1}, {2, 5}}, false};
    const ReferenceTrace line{{{0, 0}, {2, 2}}, false};
    const TraceDifference difference = largestDifference(points, line);
    EXPECT_EQ(difference.compared, 3u);
    EXPECT_EQ(difference.largest, 3);
    EXPECT_EQ(difference.time, 2);
}

TEST(ReferenceTrace, ValueAtATimeHeldOrOnTheLine) {
    const ReferenceTrace line{{{0, 0}, {2, 4}, {2, -1}, {3, -1}}, false};
    EXPECT_EQ(referenceValueAt(line, 1.5), 3);
    EXPECT_EQ(referenceValueAt(line, 2), -1);
    ReferenceTrace held = line;
    held.held = true;
    EXPECT_EQ(referenceValueAt(held, 1.5), 0);
    EXPECT_EQ(referenceValueAt(held, 3), -1);
}

TEST(ReferenceTrace, StatusTextInBothLanguages) {
    TraceDifference difference;
    difference.compared = 10;
    difference.largest = 0.01234;
    difference.time = 62.345;
    EXPECT_EQ(referenceStatusText(difference, 0, Language::Japanese),
              "参照との最大差 0.0123 V (00:01:02.345)");
    EXPECT_EQ(referenceStatusText(difference, 2, Language::English),
              "Largest difference from reference 0.0123 mA (00:01:02.345)");
    EXPECT_EQ(referenceStatusText({}, 0, Language::English),
              "The reference covers none of the signal's time");
}
