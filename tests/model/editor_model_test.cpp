#include "model/editor_model.h"

#include "model/element_commands.h"
#include "model/synthesis.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

// Range ±10 V, resolution 1 ms / 90 s.
EditorModel chosen() {
    EditorModel editor;
    editor.apply(changeRange(editor.document(), 0));
    editor.apply(changeResolution(editor.document(), 3));
    return editor;
}

SignalDocument documentOf(std::initializer_list<double> values) {
    SignalDocument doc;
    doc.rangeCode = 1;
    doc.resolutionCode = 0;
    doc.sampleInterval = 0.01;
    for (double v : values)
        doc.elements.push_back(constantElement(v, 1));
    return doc;
}

} // namespace

TEST(EditorModel, EveryCommandIsOneStepThatUndoAndRedoTakeWhole) {
    struct Row {
        const char* command;
        std::function<std::optional<RowSelection>(EditorModel&)> run;
        std::vector<double> after;
        RowSelection undoneRows; // the rows as they were, selected after the undo
        RowSelection redoneRows;
    };
    const Row rows[] = {
        {"append",
         [](EditorModel& e) { return e.apply(appendElement(e.document(), constantElement(4, 1))); },
         {1, 2, 3, 4},
         rowSpan(3, 0),
         rowSpan(3, 1)},
        {"insert",
         [](EditorModel& e) {
             return e.apply(insertElement(e.document(), constantElement(4, 1), 1));
         },
         {1, 4, 2, 3},
         rowSpan(1, 0),
         rowSpan(1, 1)},
        {"edit",
         [](EditorModel& e) {
             return e.apply(replaceElement(e.document(), constantElement(4, 1), 2));
         },
         {1, 2, 4},
         rowSpan(2, 1),
         rowSpan(2, 1)},
        {"delete",
         [](EditorModel& e) { return e.apply(deleteElement(e.document(), 0)); },
         {2, 3},
         rowSpan(0, 1),
         rowSpan(0, 0)},
        {"range clears",
         [](EditorModel& e) { return e.apply(changeRange(e.document(), 2)); },
         {},
         rowSpan(0, 3),
         rowSpan(0, 0)},
        {"resolution clears",
         [](EditorModel& e) { return e.apply(changeResolution(e.document(), 1)); },
         {},
         rowSpan(0, 3),
         rowSpan(0, 0)},
    };
    for (const Row& row : rows) {
        EditorModel editor = chosen();
        for (double v : {1, 2, 3})
            editor.apply(appendElement(editor.document(), constantElement(v, 1)));
        const SignalDocument before = editor.document();
        ASSERT_TRUE(row.run(editor)) << row.command;
        EXPECT_EQ(levelsOf(editor.document().elements), row.after) << row.command;
        const SignalDocument after = editor.document();

        EXPECT_EQ(editor.undo(), row.undoneRows) << row.command;
        EXPECT_EQ(editor.document().elements, before.elements) << row.command;
        EXPECT_EQ(editor.document().rangeCode, before.rangeCode) << row.command;
        EXPECT_EQ(editor.document().sampleInterval, before.sampleInterval) << row.command;
        EXPECT_EQ(editor.redo(), row.redoneRows) << row.command;
        EXPECT_EQ(editor.document().elements, after.elements) << row.command;
        EXPECT_EQ(editor.document().resolutionCode, after.resolutionCode) << row.command;
    }
}

TEST(EditorModel, RefusalsAndNoChangesRecordNoStep) {
    EditorModel editor = chosen();
    editor.apply(appendElement(editor.document(), constantElement(1, 90)));
    const std::size_t steps = editor.history().undoCount();
    EXPECT_FALSE(
        editor.apply(appendElement(editor.document(), constantElement(2, 0.001)))); // past 90 s
    EXPECT_FALSE(editor.apply(insertElement(editor.document(), constantElement(2, 1), 5)));
    EXPECT_FALSE(editor.apply(replaceElement(editor.document(), constantElement(2, 1), -1)));
    EXPECT_FALSE(editor.apply(deleteElement(editor.document(), 1)));
    EXPECT_FALSE(editor.apply(changeRange(editor.document(), 0))); // the one already chosen
    EXPECT_FALSE(editor.apply(unchangedStep(CommandOutcome::NoChange, {})));
    editor.apply(elementStep(editor.document(), 0, {}, {}, {})); // the same list
    EXPECT_EQ(editor.history().undoCount(), steps);
}

TEST(EditorModel, NewStepAfterUndoDropsTheRedoBranch) {
    EditorModel editor = chosen();
    editor.apply(appendElement(editor.document(), constantElement(1, 1)));
    editor.apply(appendElement(editor.document(), constantElement(2, 1)));
    editor.undo();
    ASSERT_TRUE(editor.canRedo());
    editor.apply(appendElement(editor.document(), constantElement(3, 1)));
    EXPECT_FALSE(editor.canRedo());
    EXPECT_FALSE(editor.redo());
    EXPECT_EQ(levelsOf(editor.document().elements), (std::vector<double>{1, 3}));
    while (editor.undo()) {
    }
    EXPECT_EQ(editor.document().rangeCode, -1);
    EXPECT_EQ(editor.document().resolutionCode, -1);
    EXPECT_FALSE(editor.modified());
}

TEST(EditorModel, ModifiedFollowsTheSavedStateThroughUndoAndRedo) {
    EditorModel editor;
    EXPECT_FALSE(editor.modified());
    editor.apply(changeRange(editor.document(), 0));
    EXPECT_TRUE(editor.modified());
    editor.markSaved("a.dat");
    EXPECT_FALSE(editor.modified());
    editor.apply(changeResolution(editor.document(), 0));
    EXPECT_TRUE(editor.modified());
    editor.undo();
    EXPECT_FALSE(editor.modified());
    editor.redo();
    EXPECT_TRUE(editor.modified());
    // Once the saved state's redo branch is dropped, no step leads back to it.
    editor.undo();
    editor.undo();
    editor.apply(changeRange(editor.document(), 2));
    EXPECT_TRUE(editor.modified());
    editor.undo();
    EXPECT_TRUE(editor.modified());
}

TEST(EditorModel, UndoingALoadBringsBackThePreviousDocumentAndFile) {
    EditorModel editor;
    editor.load(documentOf({1, 2}), "first.dat");
    EXPECT_FALSE(editor.modified());
    editor.apply(appendElement(editor.document(), constantElement(3, 1)));
    editor.load(documentOf({7}), "second.dat");
    EXPECT_EQ(editor.filePath(), "second.dat");
    EXPECT_FALSE(editor.modified());

    editor.undo();
    EXPECT_EQ(levelsOf(editor.document().elements), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(editor.filePath(), "first.dat");
    EXPECT_TRUE(editor.modified()); // the appended element was never saved
    editor.undo();
    EXPECT_FALSE(editor.modified());
    editor.redo();
    editor.redo();
    EXPECT_EQ(levelsOf(editor.document().elements), (std::vector<double>{7}));
    EXPECT_EQ(editor.filePath(), "second.dat");
    EXPECT_FALSE(editor.modified());
}

// The samples are re-made only from the first element a step changed; after any step they are
// those of a whole rebuild, to the bit.
TEST(EditorModel, SamplesAfterEveryStepAreThoseOfAWholeRebuild) {
    const SignalElement noise = makeElement(FUNC_RANDOM, {0.5, 2, 77, 0.25});
    const SignalElement sum = makeSum(makeElement(FUNC_SIN, {0, 3, 0.1, 30, 0.3}), noise);
    const SignalElement slope = makeElement(FUNC_SLOPE, {-1, 4, 0.123});
    const std::function<void(EditorModel&)> steps[] = {
        [&](EditorModel& e) { e.apply(appendElement(e.document(), noise)); },
        [&](EditorModel& e) { e.apply(appendElement(e.document(), sum)); },
        [&](EditorModel& e) { e.apply(insertElement(e.document(), slope, 1)); },
        [&](EditorModel& e) { e.apply(appendElement(e.document(), constantElement(2, 0.05))); },
        [&](EditorModel& e) { e.apply(replaceElement(e.document(), noise, 2)); },
        [&](EditorModel& e) { e.apply(deleteElement(e.document(), 3)); },
        [&](EditorModel& e) { e.undo(); },
        [&](EditorModel& e) { e.undo(); },
        [&](EditorModel& e) { e.redo(); },
        [&](EditorModel& e) { e.apply(deleteElement(e.document(), 0)); },
        [&](EditorModel& e) { e.apply(changeResolution(e.document(), 0)); },
        [&](EditorModel& e) { e.undo(); },
        [&](EditorModel& e) {
            e.load(documentOf({1, 2}), "a.dat");
        },
        [&](EditorModel& e) { e.undo(); },
    };
    EditorModel editor = chosen();
    int step = 0;
    for (const auto& run : steps) {
        run(editor);
        TracePoints expected;
        rebuildSamples(editor.document().elements, editor.document().sampleInterval, expected);
        const TracePoints& samples = editor.samples();
        ASSERT_EQ(samples.pointCount(), expected.pointCount()) << "step " << step;
        for (int i = 0; i < expected.pointCount(); ++i) {
            ASSERT_EQ(samples.pointAt(i).time, expected.pointAt(i).time) << step << ":" << i;
            ASSERT_EQ(samples.pointAt(i).value, expected.pointAt(i).value) << step << ":" << i;
        }
        ++step;
    }
}

TEST(EditHistory, KeepsTheNewestStepsWithinItsBounds) {
    EditorModel editor = chosen();
    for (int i = 0; i < 1005; ++i)
        editor.apply(elementStep(editor.document(), 0, editor.document().elements,
                                 {constantElement(i, 0.01)}, {}));
    EXPECT_EQ(editor.history().undoCount(), HistoryStepLimit);
    int undone = 0;
    while (editor.undo())
        ++undone;
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(levelsOf(editor.document().elements),
              (std::vector<double>{4})); // steps 0 … 4 went first

    // A step larger than the byte bound alone is still kept, and pushes every older one out.
    EditHistory history;
    DocumentChange small;
    small.after.assign(1, SignalElement{});
    history.record(small);
    DocumentChange huge;
    huge.after.assign(HistoryByteLimit / sizeof(SignalElement) + 1, SignalElement{});
    history.record(huge);
    EXPECT_EQ(history.undoCount(), 1u);
    EXPECT_GT(history.bytes(), HistoryByteLimit);
}
