#include "model/document_step.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

// Range ±10 V, resolution 1 ms / 90 s, three 10 s elements.
SignalDocument threeElements() {
    SignalDocument doc{
        {constantElement(1, 10), constantElement(2, 10), constantElement(3, 10)}, 0, 3, 0.001};
    return doc;
}

} // namespace

// A step holds the elements it changes, not the list.
TEST(DocumentStep, OneElementStepsHoldOneElement) {
    const SignalDocument doc = threeElements();
    const DocumentStep edit = replaceElement(doc, constantElement(7, 10), 1);
    ASSERT_EQ(edit.outcome, CommandOutcome::Changed);
    EXPECT_EQ(edit.change.first, 1u);
    EXPECT_EQ(levelsOf(edit.change.before), (std::vector<double>{2}));
    EXPECT_EQ(levelsOf(edit.change.after), (std::vector<double>{7}));
    EXPECT_EQ(replaceElement(doc, doc.elements[1], 1).outcome, CommandOutcome::NoChange);
    EXPECT_EQ(appendElement(doc, constantElement(9, 60.001)).outcome, CommandOutcome::Refused);
    EXPECT_EQ(insertElement(doc, constantElement(9, 1), 3).outcome, CommandOutcome::Changed);
    EXPECT_EQ(deleteElement(doc, 3).outcome, CommandOutcome::Refused);
}

TEST(DocumentStep, ACodeChangeCarriesTheListOnlyWhenItDiscardsIt) {
    const SignalDocument doc = threeElements();
    const DocumentStep range = changeRange(doc, 2);
    ASSERT_EQ(range.outcome, CommandOutcome::Changed);
    EXPECT_EQ(range.change.before, doc.elements);
    EXPECT_TRUE(range.change.after.empty());
    EXPECT_EQ(changeRange(doc, 0).outcome, CommandOutcome::NoChange);

    SignalDocument empty;
    const DocumentStep resolution = changeResolution(empty, 0);
    ASSERT_EQ(resolution.outcome, CommandOutcome::Changed);
    EXPECT_TRUE(resolution.change.before.empty());
    applyStep(empty, resolution);
    EXPECT_EQ(empty.resolutionCode, 0);
}
