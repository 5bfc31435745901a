#include "model/element_commands.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Rows = std::vector<int>;
using Values = std::vector<double>;

// A list at the 90 s budget whose elements are told apart by their value, each lasting 10 s.
SignalDocument listOf(const Values& values) {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 3;
    doc.sampleInterval = 0.001;
    for (double value : values)
        doc.elements.push_back(constantElement(value, 10));
    return doc;
}

Values valuesOf(const ElementList& elements) {
    Values values;
    for (const SignalElement& e : elements)
        values.push_back(e.params[0]);
    return values;
}

using Command = std::function<CommandResult(SignalDocument&, const Rows&)>;

const Command Delete = deleteRows;
const Command Duplicate = duplicateRows;
const Command Up = moveRowsUp;
const Command Down = moveRowsDown;
const Command Paste99Before = [](SignalDocument& doc, const Rows& rows) {
    return pasteElements(doc, {constantElement(99, 10)}, rows.empty() ? -1 : rows.front());
};
const Command PasteTwoBefore = [](SignalDocument& doc, const Rows& rows) {
    return pasteElements(doc, {constantElement(98, 10), constantElement(99, 10)}, rows.front());
};

} // namespace

TEST(ElementCommands, ChangeTheListAndSelectTheResult) {
    struct Case {
        const char* name;
        Command command;
        Values list;
        Rows rows;
        CommandOutcome outcome;
        Values after;
        Rows selected;
    };
    const auto Changed = CommandOutcome::Changed;
    const auto NoChange = CommandOutcome::NoChange;
    const auto Refused = CommandOutcome::Refused;
    const Case cases[] = {
        {"delete one in the middle", Delete, {1, 2, 3}, {1}, Changed, {1, 3}, {1}},
        {"delete apart rows", Delete, {1, 2, 3, 4, 5}, {0, 2, 3}, Changed, {2, 5}, {0}},
        {"delete the last rows", Delete, {1, 2, 3}, {1, 2}, Changed, {1}, {0}},
        {"delete all", Delete, {1, 2}, {0, 1}, Changed, {}, {}},
        {"paste before a row", Paste99Before, {1, 2}, {1}, Changed, {1, 99, 2}, {1}},
        {"paste with no row appends", Paste99Before, {1, 2}, {}, Changed, {1, 2, 99}, {2}},
        {"paste into an empty list", Paste99Before, {}, {}, Changed, {99}, {0}},
        {"paste two", PasteTwoBefore, {1, 2}, {0}, Changed, {98, 99, 1, 2}, {0, 1}},
        {"paste exactly to the budget",
         PasteTwoBefore,
         Values(7, 1),
         {0},
         Changed,
         Values{98, 99, 1, 1, 1, 1, 1, 1, 1},
         Rows{0, 1}},
        {"paste one too many", PasteTwoBefore, Values(8, 1), {0}, Refused, Values(8, 1), {0}},
        {"paste before no row", Paste99Before, {1, 2}, {2}, Refused, {1, 2}, {2}},
        {"duplicate one", Duplicate, {1, 2, 3}, {0}, Changed, {1, 1, 2, 3}, {1}},
        {"duplicate apart rows after the last",
         Duplicate,
         {1, 2, 3},
         {0, 2},
         Changed,
         {1, 2, 3, 1, 3},
         {3, 4}},
        {"duplicate over the budget",
         Duplicate,
         Values(8, 1),
         {0, 1},
         Refused,
         Values(8, 1),
         {0, 1}},
        {"up one", Up, {1, 2, 3}, {2}, Changed, {1, 3, 2}, {1}},
        {"up a block", Up, {1, 2, 3, 4}, {2, 3}, Changed, {1, 3, 4, 2}, {1, 2}},
        {"up apart rows", Up, {1, 2, 3, 4}, {1, 3}, Changed, {2, 1, 4, 3}, {0, 2}},
        {"up from the first row", Up, {1, 2, 3}, {0, 2}, NoChange, {1, 2, 3}, {0, 2}},
        {"down one", Down, {1, 2, 3}, {0}, Changed, {2, 1, 3}, {1}},
        {"down a block", Down, {1, 2, 3, 4}, {0, 1}, Changed, {3, 1, 2, 4}, {1, 2}},
        {"down apart rows", Down, {1, 2, 3, 4, 5}, {0, 2}, Changed, {2, 1, 4, 3, 5}, {1, 3}},
        {"down from the last row", Down, {1, 2, 3}, {1, 2}, NoChange, {1, 2, 3}, {1, 2}},
        {"down the only row", Down, {1}, {0}, NoChange, {1}, {0}},
    };
    for (const Case& c : cases) {
        SignalDocument doc = listOf(c.list);
        const CommandResult result = c.command(doc, c.rows);
        EXPECT_EQ(result.outcome, c.outcome) << c.name;
        EXPECT_EQ(valuesOf(doc.elements), c.after) << c.name;
        EXPECT_EQ(result.selection, c.selected) << c.name;
    }
}

// A selection that is empty, unsorted, repeated or outside the list leaves everything alone.
TEST(ElementCommands, RefuseBadSelections) {
    const Rows bad[] = {{}, {-1}, {3}, {0, 3}, {1, 0}, {1, 1}};
    for (const Rows& rows : bad) {
        const SignalDocument before = listOf({1, 2, 3});
        for (const Command& command : {Delete, Duplicate, Up, Down}) {
            SignalDocument doc = before;
            EXPECT_EQ(command(doc, rows).outcome, CommandOutcome::Refused)
                << ::testing::PrintToString(rows);
            EXPECT_EQ(doc.elements, before.elements);
        }
        EXPECT_TRUE(copyRows(before, rows).empty());
    }
    SignalDocument doc = listOf({1});
    EXPECT_EQ(pasteElements(doc, {}, -1).outcome, CommandOutcome::Refused);
    EXPECT_EQ(pasteElements(doc, {constantElement(2, 1)}, -2).outcome, CommandOutcome::Refused);
    EXPECT_EQ(valuesOf(doc.elements), Values{1});
}

TEST(ElementCommands, CopyTakesTheSelectedElementsWhole) {
    const SignalElement sum =
        makeSum(makeElement(FUNC_SIN, {0, 1, 2, 0, 10}), makeElement(FUNC_RANDOM, {0, 1, 7, 10}));
    SignalDocument doc = listOf({1, 2});
    doc.elements.push_back(sum);
    EXPECT_EQ(copyRows(doc, {0, 2}), (ElementList{doc.elements[0], sum}));
}
