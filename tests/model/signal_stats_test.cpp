#include "model/signal_stats.h"

#include "model/synthesis.h"
#include "model/tables.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A document as the editor holds it, with its samples and view.
struct Measured {
    SignalDocument doc;
    TracePoints samples;
    DocumentView view;

    Measured(ElementList elements, int resolutionCode) {
        doc.elements = std::move(elements);
        doc.rangeCode = 0; // ±10 V
        doc.resolutionCode = resolutionCode;
        doc.sampleInterval = resolution(resolutionCode).sampleInterval;
        rebuildSamples(doc.elements, doc.sampleInterval, samples);
        view = makeDocumentView(doc, samples);
    }

    SignalStats of(const RowSelection& selection) const {
        return measureStretch(doc, samples, selectionStretch(view, selection));
    }
};

constexpr int OneSecond = 2;
constexpr int TenthSecond = 1;

// At 0.1 s: 5 V for 1 s, then -1, 2, 1 and 0 V for 0.5 s each, then 12 V (held at 10) for 1 s.
Measured steps() {
    return {{constantElement(5, 1), constantElement(-1, 0.5), constantElement(2, 0.5),
             constantElement(1, 0.5), constantElement(0, 0.5), constantElement(12, 1)},
            TenthSecond};
}

} // namespace

TEST(SignalStats, FourConstantsAtOneSecond) {
    const Measured m({constantElement(1, 1), constantElement(1, 1), constantElement(-3, 1),
                      constantElement(4, 1)},
                     OneSecond);
    const SignalStats stats = m.of({});
    EXPECT_EQ(stats.stretch, (TimeStretch{0, 4, true}));
    EXPECT_EQ(stats.sampleCount, 4);
    EXPECT_EQ(stats.minimum, -3);
    EXPECT_EQ(stats.minimumTime, 2);
    EXPECT_EQ(stats.maximum, 4);
    EXPECT_EQ(stats.maximumTime, 3);
    EXPECT_DOUBLE_EQ(stats.mean, 0.75);
    EXPECT_NEAR(stats.rms, 2.5981, 5e-5);
    EXPECT_EQ(stats.peakToPeak(), 7);
}

TEST(SignalStats, SelectionsOfSteps) {
    const Measured m = steps();
    const struct {
        const char* what;
        RowSelection selection;
        TimeStretch stretch;
        int samples;
        double minimum, minimumTime, maximum, maximumTime, mean, rms;
        int outside;
    } rows[] = {
        {"nothing", {}, {0, 4, true}, 40, -1, 1, 10, 3, 4, 5.65685, 10},
        {"beyond the list", rowSpan(9, 1), {0, 4, true}, 40, -1, 1, 10, 3, 4, 5.65685, 10},
        {"one element", rowSpan(2, 1), {1.5, 2, false}, 5, 2, 1.5, 2, 1.5, 2, 2, 0},
        {"all", rowSpan(0, 6), {0, 4, false}, 40, -1, 1, 10, 3, 4, 5.65685, 10},
        {"a run at the end",
         rowSpan(4, 2),
         {2.5, 4, false},
         15,
         0,
         2.5,
         10,
         3,
         6.66667,
         8.16497,
         10},
        // From the first run's start to the last one's end, the rows between included.
        {"two runs",
         selectionOfRows({1, 3}),
         {1, 2.5, false},
         15,
         -1,
         1,
         2,
         1.5,
         0.66667,
         1.41421,
         0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const SignalStats stats = m.of(row.selection);
        EXPECT_NEAR(stats.stretch.start, row.stretch.start, 1e-9);
        EXPECT_NEAR(stats.stretch.end, row.stretch.end, 1e-9);
        EXPECT_EQ(stats.stretch.whole, row.stretch.whole);
        EXPECT_EQ(stats.sampleCount, row.samples);
        EXPECT_EQ(stats.minimum, row.minimum);
        EXPECT_NEAR(stats.minimumTime, row.minimumTime, 1e-9);
        EXPECT_EQ(stats.maximum, row.maximum);
        EXPECT_NEAR(stats.maximumTime, row.maximumTime, 1e-9);
        EXPECT_NEAR(stats.mean, row.mean, 5e-6);
        EXPECT_NEAR(stats.rms, row.rms, 5e-6);
        EXPECT_EQ(stats.outsideRange, row.outside);
    }
}

// Times typed on the command line count by the grid: 0.7 + 0.1 is 0.7999… in the samples.
TEST(SignalStats, AStretchOfTimesCountsSamplesByTheGrid) {
    const Measured m = steps();
    const SignalStats stats = measureStretch(m.doc, m.samples, {0.8, 1.2, false});
    EXPECT_EQ(stats.sampleCount, 4);
    EXPECT_EQ(stats.minimum, -1);
    EXPECT_EQ(stats.maximum, 5);
    EXPECT_EQ(stats.outsideRange, 0);
    EXPECT_EQ(measureStretch(m.doc, m.samples, {4, 5, false}).sampleCount, 0);
}

TEST(SignalStats, AnEmptyListHasNoSamplesAndNoText) {
    const Measured m({}, OneSecond);
    const SignalStats stats = m.of({});
    EXPECT_EQ(stats.stretch, (TimeStretch{0, 0, true}));
    EXPECT_EQ(stats.sampleCount, 0);
    EXPECT_EQ(statsStatusText(stats, 0, Language::Japanese), "");
}

TEST(SignalStats, StatusTextInBothLanguages) {
    const Measured m = steps();
    const SignalStats selected = m.of(rowSpan(1, 4));
    EXPECT_EQ(statsStatusText(selected, 0, Language::Japanese),
              "選択 00:01.000–00:03.000 (2.000 秒): 最小 -1.0000  最大 2.0000  平均 0.5000  "
              "実効値 1.2247 V");
    EXPECT_EQ(statsStatusText(selected, 0, Language::English),
              "Selection 00:01.000–00:03.000 (2.000 s): min -1.0000  max 2.0000  mean 0.5000  "
              "RMS 1.2247 V");
    const SignalStats whole = m.of({});
    EXPECT_TRUE(
        statsStatusText(whole, 2, Language::Japanese).starts_with("全体 00:00.000–00:04.000"));
    EXPECT_TRUE(statsStatusText(whole, 2, Language::English).starts_with("Whole signal 00:00.000"));
    EXPECT_TRUE(statsStatusText(whole, 2, Language::English).ends_with(" mA"));
}
