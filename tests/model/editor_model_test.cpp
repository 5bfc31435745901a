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

TEST(EditorModel, ARestoredDocumentIsModifiedWithoutHistoryUntilSaved) {
    EditorModel editor;
    editor.load(documentOf({1, 2}), "old.dat");
    editor.apply(appendElement(editor.document(), constantElement(3, 1)));
    editor.restore(documentOf({4, 5}), "work.dat");
    EXPECT_EQ(levelsOf(editor.document().elements), (std::vector<double>{4, 5}));
    EXPECT_EQ(editor.filePath(), "work.dat");
    EXPECT_TRUE(editor.modified());
    EXPECT_FALSE(editor.canUndo());
    EXPECT_FALSE(editor.canRedo());
    EXPECT_EQ(editor.samples().pointCount(), 201);
    // An edit and its undo come back to the restored state, which is still not on disk.
    editor.apply(appendElement(editor.document(), constantElement(6, 1)));
    editor.undo();
    EXPECT_TRUE(editor.modified());
    editor.markSaved("work.dat");
    EXPECT_FALSE(editor.modified());
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

namespace {

using Rows = std::vector<int>;

// Every step-th row of a list of rows rows, from first on.
Rows everyRow(int rows, int first = 0, int step = 1, int end = -1) {
    Rows picked;
    for (int row = first; row < (end < 0 ? rows : end); row += step)
        picked.push_back(row);
    return picked;
}

bool sameSamples(const EditorModel& editor) {
    TracePoints whole;
    rebuildSamples(editor.document().elements, editor.document().sampleInterval, whole);
    const TracePoints& samples = editor.samples();
    if (samples.pointCount() != whole.pointCount())
        return false;
    for (int i = 0; i < whole.pointCount(); ++i) {
        if (samples.pointAt(i).time != whole.pointAt(i).time ||
            samples.pointAt(i).value != whole.pointAt(i).value)
            return false;
    }
    return true;
}

} // namespace

// Commands on thousands of rows at once: undo brings back the document before, redo the document
// after, and the samples re-made from either are those of a whole rebuild. Levels repeat every 97
// rows, so a pasted or moved run often matches its neighbours, which the smallest change between
// the two documents must not get wrong.
TEST(EditorModel, BulkCommandsUndoAndRedoWhole) {
    constexpr int Count = 10'000;
    using Command = std::function<DocumentStep(const SignalDocument&)>;
    const auto pasteAt = [](int row) {
        return [row](const SignalDocument& doc) { return pasteElements(doc, doc.elements, row); };
    };
    const auto onRows = [](auto command, const Rows& rows) {
        return [command, selection = selectionOfRows(rows)](const SignalDocument& doc) {
            return command(doc, selection);
        };
    };
    struct Row {
        const char* name;
        Command command;
    };
    const Row rows[] = {
        {"paste all before the middle row", pasteAt(Count / 2)},
        {"paste all after the last row", pasteAt(-1)},
        {"paste all before the first row", pasteAt(0)},
        {"cut every third row", onRows(deleteRows, everyRow(Count, 1, 3))},
        {"select all and delete", onRows(deleteRows, everyRow(Count))},
        {"duplicate a block", onRows(duplicateRows, everyRow(Count, 2'000, 1, 8'000))},
        {"duplicate every other row", onRows(duplicateRows, everyRow(Count, 0, 2))},
        {"move every other row up", onRows(moveRowsUp, everyRow(Count, 1, 2))},
        {"move a block down", onRows(moveRowsDown, everyRow(Count, 100, 1, 9'900))},
        {"move all but the last row down", onRows(moveRowsDown, everyRow(Count - 1))},
    };
    EditorModel start;
    SignalDocument doc = documentOf({});
    for (int i = 0; i < Count; ++i)
        doc.elements.push_back(constantElement(i % 97, 0.02));
    start.load(doc, "long.dat");
    for (const Row& row : rows) {
        EditorModel editor = start;
        const std::optional<RowSelection> selected = editor.apply(row.command(editor.document()));
        ASSERT_TRUE(selected) << row.name;
        const SignalDocument after = editor.document();
        EXPECT_NE(after.elements, doc.elements) << row.name;
        EXPECT_TRUE(isValidSelection(*selected, after.elements.size())) << row.name;
        ASSERT_TRUE(editor.undo()) << row.name;
        EXPECT_EQ(editor.document().elements, doc.elements) << row.name;
        EXPECT_TRUE(sameSamples(editor)) << row.name;
        ASSERT_TRUE(editor.redo()) << row.name;
        EXPECT_EQ(editor.document().elements, after.elements) << row.name;
        EXPECT_TRUE(sameSamples(editor)) << row.name;
        EXPECT_FALSE(editor.canRedo()) << row.name;
    }
}

// A move names its runs, not their elements: moving a long run back and forth keeps the history
// small, so the steps before the moves stay within reach of undo.
TEST(EditorModel, MovesOfALongRunHoldNoCopiesOfIt) {
    constexpr int Count = 10'000;
    SignalDocument doc = documentOf({});
    for (int i = 0; i < Count; ++i)
        doc.elements.push_back(constantElement(i % 97, 0.02));
    EditorModel editor;
    editor.load(doc, "long.dat");
    const std::size_t loaded = editor.history().bytes();
    const std::optional<RowSelection> down =
        editor.apply(moveRowsDown(editor.document(), selectionOfRows(everyRow(Count - 1))));
    ASSERT_TRUE(down);
    ASSERT_TRUE(editor.apply(moveRowsUp(editor.document(), *down)));
    EXPECT_LT(editor.history().bytes() - loaded, 1024u);
    EXPECT_EQ(editor.document().elements, doc.elements);
    EXPECT_EQ(editor.undo(), rowSpan(0, Count));
    EXPECT_EQ(editor.undo(), rowSpan(0, Count));
    EXPECT_EQ(editor.document().elements, doc.elements);
    EXPECT_TRUE(sameSamples(editor));
}
