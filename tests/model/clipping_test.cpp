#include "model/clipping.h"
#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Clipping, LimitsAreInsideAndNaNIsNeverClipped) {
    const std::pair<double, bool> cases[] = {{-10, false}, {10, false},      {10.0001, true},
                                             {-11, true},  {INFINITY, true}, {NAN, false}};
    for (const auto& [value, clipped] : cases)
        EXPECT_EQ(isClipped(value, -10, 10), clipped) << value;
}

TEST(Clipping, CountsPerElementWithTheFirstTime) {
    SignalDocument doc; // range code -1: the ±10 V range
    doc.sampleInterval = 0.1;
    doc.elements = {constantElement(12, 0.5), constantElement(5, 0.3),
                    makeElement(FUNC_SLOPE, {0, -20, 1}), constantElement(0, 0),
                    constantElement(-10.5, 0.2)};
    TracePoints samples;
    rebuildSamples(doc.elements, doc.sampleInterval, samples);
    // The slope passes −10 after its sixth sample (−10 at 0.5 s is still in range); the
    // closing point repeats −10.5 and counts for the last element.
    const std::vector<ClippedElement> expected{{0, 5, 0}, {2, 4, 0.8 + 0.6}, {4, 3, 1.8}};
    const std::vector<ClippedElement> clipped = clippedElements(doc, samples);
    ASSERT_EQ(clipped.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(clipped[i].element, expected[i].element) << i;
        EXPECT_EQ(clipped[i].sampleCount, expected[i].sampleCount) << i;
        EXPECT_NEAR(clipped[i].firstTime, expected[i].firstTime, 1e-9) << i;
    }
    doc.rangeCode = 4; // ±32 V holds every value
    EXPECT_TRUE(clippedElements(doc, samples).empty());
    EXPECT_TRUE(clippedElements(SignalDocument{}, samples).empty());
}

TEST(Clipping, StatusTextAndWarningLine) {
    EXPECT_EQ(clippingStatusText({}, Language::Japanese), "");
    EXPECT_EQ(clippingStatusText({{2, 1000, 0}, {4, 234, 9}}, Language::Japanese),
              "範囲外: 要素 3, 5 (1,234 点)");
    EXPECT_EQ(clippingWarningLine({1, 1234, 75.25}),
              "warning: element 2: 1234 samples outside the range, the first at 01:15.250");
}

TEST(Clipping, StatusTextInEnglish) {
    EXPECT_EQ(clippingStatusText({{2, 1000, 0}, {4, 234, 9}}, Language::English),
              "Out of range: elements 3, 5 (samples: 1,234)");
}
