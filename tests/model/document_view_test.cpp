#include "model/document_view.h"

#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

// ±10 V at 10 ms: three 10 s elements, the second held at the limit.
struct Shown {
    SignalDocument doc{
        {constantElement(1, 10), constantElement(12, 10), constantElement(-3, 10)}, 0, 0, 0.01};
    TracePoints samples;
    DocumentView view;

    Shown() {
        rebuildSamples(doc.elements, doc.sampleInterval, samples);
        view = makeDocumentView(doc, samples);
    }
};

} // namespace

TEST(DocumentView, RowsCarryTheirStartAndTheClippedMark) {
    const Shown shown;
    EXPECT_EQ(shown.view.spans.size(), 3u);
    EXPECT_FALSE(isClippedRow(shown.view, 0));
    EXPECT_TRUE(isClippedRow(shown.view, 1));
    EXPECT_EQ(shownRow(shown.doc, shown.view, 1, Language::Japanese)->number, "2 !");
    EXPECT_EQ(shownRow(shown.doc, shown.view, 2, Language::Japanese)->number, "3");
    EXPECT_EQ(shownRow(shown.doc, shown.view, 2, Language::Japanese)->startTime, "00:20.000");
    EXPECT_FALSE(shownRow(shown.doc, shown.view, 3, Language::Japanese));
}

// One band per run of rows, however many rows it holds.
TEST(DocumentView, SelectedSpansAreOnePerRun) {
    const Shown shown;
    EXPECT_EQ(selectedSpans(shown.view, rowSpan(0, 3)), (std::vector<ElementSpan>{{0, 30}}));
    EXPECT_EQ(selectedSpans(shown.view, selectionOfRows({0, 2})),
              (std::vector<ElementSpan>{{0, 10}, {20, 30}}));
    EXPECT_EQ(selectedSpans(shown.view, rowSpan(2, 5)), (std::vector<ElementSpan>{{20, 30}}));
    EXPECT_TRUE(selectedSpans(shown.view, {}).empty());
}
