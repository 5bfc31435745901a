#include "model/element_commands.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Rows = std::vector<int>;
using Values = std::vector<double>;
using Command = std::function<DocumentStep(const SignalDocument&, const RowSelection&)>;

// The rows as runs in the order given, neighbours joined, so that an unsorted or repeated list
// stays bad.
RowSelection runsOf(const Rows& rows) {
    RowSelection selection;
    for (int row : rows) {
        if (!selection.ranges.empty() && selection.ranges.back().last == row)
            ++selection.ranges.back().last;
        else
            selection.ranges.push_back({row, row + 1});
    }
    return selection;
}

// Runs a command on doc as the editor model would.
DocumentStep run(const Command& command, SignalDocument& doc, const Rows& rows) {
    DocumentStep step = command(doc, runsOf(rows));
    applyStep(doc, step);
    return step;
}

// At the 90 s budget; elements told apart by their value, each lasting 10 s.
SignalDocument listOf(const Values& values) {
    SignalDocument doc;
    doc.resolutionCode = 3;
    for (double value : values)
        doc.elements.push_back(constantElement(value, 10));
    return doc;
}

const Command Delete = deleteRows, Duplicate = duplicateRows, Up = moveRowsUp, Down = moveRowsDown;
// Pastes 98 and 99 before the first selected row, or appends them.
const Command Paste = [](const SignalDocument& doc, const RowSelection& rows) {
    return pasteElements(doc, {constantElement(98, 10), constantElement(99, 10)}, firstRow(rows));
};

// The selected rows occur two or three times in all.
const Command Repeat2 = [](const SignalDocument& doc, const RowSelection& rows) {
    return repeatRows(doc, rows, 2);
};
const Command Repeat3 = [](const SignalDocument& doc, const RowSelection& rows) {
    return repeatRows(doc, rows, 3);
};

} // namespace

TEST(ElementCommands, ChangeTheListAndSelectTheResult) {
    const auto Changed = CommandOutcome::Changed, NoChange = CommandOutcome::NoChange,
               Refused = CommandOutcome::Refused;
    struct Case {
        const char* name;
        Command command;
        Values list;
        Rows rows;
        CommandOutcome outcome;
        Values after;
        Rows selected;
    };
    const Case cases[] = {
        {"delete apart rows", Delete, {1, 2, 3, 4, 5}, {0, 2, 3}, Changed, {2, 5}, {0}},
        {"delete the last rows", Delete, {1, 2, 3}, {1, 2}, Changed, {1}, {0}},
        {"delete all", Delete, {1, 2}, {0, 1}, Changed, {}, {}},
        {"paste before a row", Paste, {1, 2}, {1}, Changed, {1, 98, 99, 2}, {1, 2}},
        {"paste with no row appends", Paste, {1}, {}, Changed, {1, 98, 99}, {1, 2}},
        {"paste exactly to the budget",
         Paste,
         Values(7, 1),
         {},
         Changed,
         Values{1, 1, 1, 1, 1, 1, 1, 98, 99},
         Rows{7, 8}},
        {"paste one too many", Paste, Values(8, 1), {0}, Refused, Values(8, 1), {0}},
        {"paste after the last row", Paste, {1, 2}, {2}, Refused, {1, 2}, {2}},
        {"duplicate after the last selected",
         Duplicate,
         {1, 2, 3},
         {0, 1},
         Changed,
         {1, 2, 1, 2, 3},
         {2, 3}},
        {"duplicate over the budget",
         Duplicate,
         Values(8, 1),
         {0, 1},
         Refused,
         Values(8, 1),
         {0, 1}},
        {"repeat a block",
         Repeat3,
         {1, 2, 3},
         {0, 1},
         Changed,
         {1, 2, 1, 2, 1, 2, 3},
         {0, 1, 2, 3, 4, 5}},
        {"repeat apart rows", Repeat2, {1, 2, 3}, {0, 2}, Changed, {1, 2, 3, 1, 3}, {0, 2, 3, 4}},
        {"repeat exactly to the budget",
         Repeat3,
         Values(5, 1),
         {4},
         Changed,
         Values(7, 1),
         {4, 5, 6}},
        {"repeat over the budget", Repeat3, Values(6, 1), {0, 1}, Refused, Values(6, 1), {0, 1}},
        {"up a block", Up, {1, 2, 3, 4}, {2, 3}, Changed, {1, 3, 4, 2}, {1, 2}},
        {"up apart rows", Up, {1, 2, 3, 4}, {1, 3}, Changed, {2, 1, 4, 3}, {0, 2}},
        {"up from the first row", Up, {1, 2, 3}, {0, 2}, NoChange, {1, 2, 3}, {0, 2}},
        {"down a block", Down, {1, 2, 3, 4}, {0, 1}, Changed, {3, 1, 2, 4}, {1, 2}},
        {"down apart rows", Down, {1, 2, 3, 4, 5}, {0, 2}, Changed, {2, 1, 4, 3, 5}, {1, 3}},
        {"down from the last row", Down, {1, 2, 3}, {1, 2}, NoChange, {1, 2, 3}, {1, 2}},
    };
    for (const Case& c : cases) {
        SignalDocument doc = listOf(c.list);
        const DocumentStep result = run(c.command, doc, c.rows);
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(levelsOf(doc.elements), c.after) << c.name;
        EXPECT_EQ(result.selection, selectionOfRows(c.selected)) << c.name;
    }
}

// Empty, unsorted, repeated or outside the list: refused, everything left alone.
TEST(ElementCommands, RefuseBadSelections) {
    const SignalDocument before = listOf({1, 2, 3});
    for (const Rows& rows : {Rows{}, Rows{-1}, Rows{3}, Rows{0, 3}, Rows{1, 0}, Rows{1, 1}}) {
        for (const Command& command : {Delete, Duplicate, Repeat2, Up, Down}) {
            SignalDocument doc = before;
            EXPECT_EQ(run(command, doc, rows).outcome, CommandOutcome::Refused);
            EXPECT_EQ(doc.elements, before.elements);
        }
        EXPECT_TRUE(copyRows(before, runsOf(rows)).empty());
    }
    SignalDocument doc = before;
    EXPECT_EQ(pasteElements(doc, {}, -1).outcome, CommandOutcome::Refused);
    EXPECT_EQ(pasteElements(doc, {constantElement(9, 1)}, -2).outcome, CommandOutcome::Refused);
    for (const int count : {-1, 0, 1, RepeatMaxCount + 1})
        EXPECT_EQ(repeatRows(doc, rowSpan(0, 1), count).outcome, CommandOutcome::Refused) << count;
    EXPECT_EQ(doc.elements, before.elements);
}

TEST(ElementCommands, CopyTakesTheSelectedElementsWhole) {
    SignalDocument doc = listOf({1, 2});
    doc.elements.push_back(
        makeSum(makeElement(FUNC_SIN, {0, 1, 2, 0, 10}), makeElement(FUNC_RANDOM, {0, 1, 7, 10})));
    EXPECT_EQ(copyRows(doc, selectionOfRows({0, 2})),
              (ElementList{doc.elements[0], doc.elements[2]}));
}
