#include "model/signal_document.h"

#include "model/editor_model.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

SignalElement lasting(double seconds, double value = 1.0) {
    SignalElement e;
    e.type = FUNC_CONST;
    e.paramCount = paramCountOf(FUNC_CONST);
    e.params[0] = value;
    e.params[1] = seconds;
    e.duration = elementDuration(e);
    return e;
}

SignalDocument documentAt(int resolutionCode, std::initializer_list<double> durations) {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = resolutionCode;
    for (double d : durations)
        doc.elements.push_back(lasting(d, d));
    return doc;
}

// The list's commands run as the editor runs them, each one step.
EditorModel editorAt(int resolutionCode, std::initializer_list<double> durations) {
    EditorModel editor;
    editor.load(documentAt(resolutionCode, durations), {});
    return editor;
}

} // namespace

TEST(SignalDocument, StartsUnchosenAndEmpty) {
    const SignalDocument doc;
    EXPECT_TRUE(doc.elements.empty());
    EXPECT_EQ(doc.rangeCode, -1);
    EXPECT_EQ(doc.resolutionCode, -1);
    EXPECT_EQ(doc.sampleInterval, 0.01);
    EXPECT_EQ(totalDuration(doc), 0.0);
}

TEST(SignalDocument, TotalAddsInListOrder) {
    const SignalDocument doc = documentAt(0, {0.1, 0.2, 0.3});
    EXPECT_EQ(totalDuration(doc), (0.0 + 0.1 + 0.2) + 0.3);
}

TEST(SignalDocument, BudgetAcceptsTheExactLimit) {
    struct Row {
        int resolutionCode;
        std::initializer_list<double> list;
        double added;
        bool accepted;
    };
    const Row rows[] = {
        {3, {}, 90, true},       {3, {90}, 0.001, false},
        {3, {90}, 0, true},      {3, {9, 9, 9, 9, 9, 9, 9, 9, 9}, 9, true},
        {1, {7000}, 200, true},  {1, {7000}, 200.1, false},
        {0, {}, 900, true},      {0, {}, 900.01, false},
        {2, {86000}, 400, true}, {2, {86000}, 401, false},
        {-1, {}, 90, true}, // unchosen resolution: the 90 s budget
        {-1, {}, 91, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.resolutionCode);
        EditorModel doc = editorAt(row.resolutionCode, row.list);
        const auto before = levelsOf(doc.document().elements);
        EXPECT_EQ(doc.apply(appendElement(doc.document(), lasting(row.added))).has_value(),
                  row.accepted)
            << row.added;
        EXPECT_EQ(doc.document().elements.size(), before.size() + (row.accepted ? 1 : 0));

        if (!before.empty()) {
            EditorModel other = editorAt(row.resolutionCode, row.list);
            EXPECT_EQ(
                other.apply(insertElement(other.document(), lasting(row.added), 0)).has_value(),
                row.accepted);
            EXPECT_EQ(other.document().elements.size(), before.size() + (row.accepted ? 1 : 0));
        }
    }
}

TEST(SignalDocument, InsertPlaysBeforeTheSelectedElement) {
    EditorModel doc = editorAt(0, {1, 2});
    EXPECT_TRUE(doc.apply(insertElement(doc.document(), lasting(5, 50), 0)));
    EXPECT_EQ(levelsOf(doc.document().elements), (std::vector<double>{50, 1, 2}));
    EXPECT_TRUE(doc.apply(insertElement(doc.document(), lasting(5, 60), 2)));
    EXPECT_EQ(levelsOf(doc.document().elements), (std::vector<double>{50, 1, 60, 2}));
    EXPECT_TRUE(doc.apply(insertElement(doc.document(), lasting(5, 70), 4))); // just after the last
    EXPECT_EQ(levelsOf(doc.document().elements), (std::vector<double>{50, 1, 60, 2, 70}));
    EXPECT_FALSE(doc.apply(insertElement(doc.document(), lasting(5, 80), 6)));
    EXPECT_FALSE(doc.apply(insertElement(doc.document(), lasting(5, 80), -1)));
    EXPECT_EQ(doc.document().elements.size(), 5u);
}

TEST(SignalDocument, ReplaceIsJudgedWithoutTheOldElement) {
    EditorModel doc = editorAt(3, {20, 50, 15});
    EXPECT_FALSE(doc.apply(replaceElement(doc.document(), lasting(60, 60), 1))); // 95 s
    EXPECT_EQ(levelsOf(doc.document().elements), (std::vector<double>{20, 50, 15}));
    EXPECT_TRUE(doc.apply(replaceElement(doc.document(), lasting(55, 55), 1))); // exactly 90 s
    EXPECT_EQ(levelsOf(doc.document().elements), (std::vector<double>{20, 55, 15}));
    EXPECT_TRUE(doc.apply(replaceElement(doc.document(), lasting(1, 1), 2)));
    EXPECT_EQ(levelsOf(doc.document().elements), (std::vector<double>{20, 55, 1}));
    EXPECT_FALSE(doc.apply(replaceElement(doc.document(), lasting(1, 1), 3)));
    EXPECT_FALSE(doc.apply(replaceElement(doc.document(), lasting(1, 1), -1)));
}

TEST(SignalDocument, OverfullLoadedListRefusesGrowth) {
    EditorModel doc = editorAt(3, {60, 60}); // as a settings file may hold
    EXPECT_FALSE(doc.apply(appendElement(doc.document(), lasting(1))));
    EXPECT_FALSE(doc.apply(replaceElement(doc.document(), lasting(40), 0))); // 100 s
    EXPECT_TRUE(doc.apply(replaceElement(doc.document(), lasting(30), 0)));  // 90 s
    EXPECT_FALSE(doc.apply(appendElement(doc.document(), lasting(1))));
    doc.apply(deleteElement(doc.document(), 0));
    EXPECT_TRUE(doc.apply(appendElement(doc.document(), lasting(1))));
}

TEST(SignalDocument, DeleteRefusesRowsOutsideTheList) {
    EditorModel doc = editorAt(0, {1, 2, 3});
    doc.apply(deleteElement(doc.document(), 1));
    EXPECT_EQ(levelsOf(doc.document().elements), (std::vector<double>{1, 3}));
    doc.apply(deleteElement(doc.document(), 2));
    doc.apply(deleteElement(doc.document(), -1));
    EXPECT_EQ(doc.document().elements.size(), 2u);
    doc.apply(deleteElement(doc.document(), 0));
    doc.apply(deleteElement(doc.document(), 0));
    EXPECT_TRUE(doc.document().elements.empty());
}

TEST(SignalDocument, RangeChangeDiscardsTheList) {
    struct Row {
        int current, next;
        bool hasElements, discards;
    };
    const Row rows[] = {
        {-1, 4, false, false}, {-1, 4, true, false}, // nothing was chosen before
        {0, 0, true, false},                         // the same range again
        {0, 4, false, false},                        // nothing to lose
        {0, 4, true, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.current * 10 + row.next);
        SignalDocument doc = documentAt(2, row.hasElements ? std::initializer_list<double>{5}
                                                           : std::initializer_list<double>{});
        doc.rangeCode = row.current;
        EXPECT_EQ(rangeChangeNeedsConfirmation(doc, row.next), row.discards);
        EXPECT_EQ(applyRangeChange(doc, row.next), row.discards);
        EXPECT_EQ(doc.rangeCode, row.next);
        EXPECT_EQ(doc.elements.empty(), row.discards || !row.hasElements);
        EXPECT_EQ(doc.resolutionCode, 2);
    }
}

TEST(SignalDocument, ResolutionChangeSetsTheInterval) {
    struct Row {
        int current, next;
        bool hasElements, discards;
        double interval;
    };
    const Row rows[] = {
        {-1, 3, true, false, 0.001}, {3, 3, true, false, 0.001}, {3, 0, false, false, 0.01},
        {3, 0, true, true, 0.01},    {0, 1, true, true, 0.1},    {1, 2, true, true, 1.0},
    };
    for (const Row& row : rows) {
        SignalDocument doc =
            documentAt(row.current, row.hasElements ? std::initializer_list<double>{5}
                                                    : std::initializer_list<double>{});
        doc.sampleInterval = 0.5;
        EXPECT_EQ(resolutionChangeNeedsConfirmation(doc, row.next), row.discards);
        EXPECT_EQ(applyResolutionChange(doc, row.next), row.discards);
        EXPECT_EQ(doc.resolutionCode, row.next);
        EXPECT_EQ(doc.sampleInterval, row.interval);
        EXPECT_EQ(doc.elements.empty(), row.discards || !row.hasElements);
        EXPECT_EQ(doc.rangeCode, 0);
    }
}
