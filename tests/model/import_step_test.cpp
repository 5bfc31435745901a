#include "model/import_step.h"

#include "model/tables.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

SignalDocument documentWith(ElementList elements) {
    return {std::move(elements), 0, 3, 0.001};
}

} // namespace

TEST(ImportStep, InsertsBeforeTheRowOrAppendsAndSelectsTheNewRows) {
    const SignalDocument doc = documentWith({constantElement(1, 1), constantElement(2, 1)});
    const ElementList imported = {constantElement(7, 2), constantElement(8, 3)};

    SignalDocument inserted = doc;
    const DocumentStep before = importElements(doc, imported, 4, 0, 1);
    ASSERT_EQ(before.outcome, CommandOutcome::Changed);
    applyStep(inserted, before);
    EXPECT_EQ(levelsOf(inserted.elements), (std::vector<double>{1, 7, 8, 2}));
    EXPECT_EQ(before.selection, rowSpan(1, 2));
    // A document with its range and resolution keeps them.
    EXPECT_EQ(inserted.rangeCode, 0);
    EXPECT_EQ(inserted.resolutionCode, 3);

    SignalDocument appended = doc;
    const DocumentStep after = importElements(doc, imported, 0, 3, -1);
    applyStep(appended, after);
    EXPECT_EQ(levelsOf(appended.elements), (std::vector<double>{1, 2, 7, 8}));
    EXPECT_EQ(after.selection, rowSpan(2, 2));
}

TEST(ImportStep, ADocumentWithoutCodesTakesTheImportsAndUndoGivesThemBack) {
    const SignalDocument fresh;
    const DocumentStep step = importElements(fresh, {constantElement(4, 10)}, 3, 2, -1);
    ASSERT_EQ(step.outcome, CommandOutcome::Changed);
    SignalDocument doc = fresh;
    applyStep(doc, step);
    EXPECT_EQ(doc.rangeCode, 3);
    EXPECT_EQ(doc.resolutionCode, 2);
    EXPECT_EQ(doc.sampleInterval, 1.0);
    applyBackward(doc, step.change);
    EXPECT_EQ(doc.rangeCode, -1);
    EXPECT_EQ(doc.resolutionCode, -1);
    EXPECT_TRUE(doc.elements.empty());
}

TEST(ImportStep, RefusesNothingToImportARowOutsideAndTheTimeBudget) {
    const SignalDocument doc = documentWith({constantElement(1, 80)});
    EXPECT_EQ(importElements(doc, {}, 0, 3, -1).outcome, CommandOutcome::Refused);
    EXPECT_EQ(importElements(doc, {constantElement(1, 1)}, 0, 3, 5).outcome,
              CommandOutcome::Refused);
    EXPECT_EQ(importElements(doc, {constantElement(1, 11)}, 0, 3, -1).outcome,
              CommandOutcome::Refused);
    EXPECT_EQ(importElements(doc, {constantElement(1, 10)}, 0, 3, -1).outcome,
              CommandOutcome::Changed);
}
