#include "model/list_rows.h"
#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <limits>

namespace {} // namespace

TEST(ListRows, StartTimeText) {
    struct Row {
        double seconds;
        const char* text;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Row rows[] = {
        {0.0, "00:00.000"},
        {0.001, "00:00.001"},
        {59.999, "00:59.999"},
        {60.0, "01:00.000"},
        {75.5, "01:15.500"},
        {3599.999, "59:59.999"},
        // Minutes go on past the hour and past 99.
        {3600.0, "60:00.000"},
        {7200.0, "120:00.000"},
        {86400.0, "1440:00.000"},
        // Sums that land just under a millisecond show the millisecond they stand for.
        {0.7 + 0.1, "00:00.800"},
        {1.001, "00:01.001"},
        {59.9996, "01:00.000"},
        {0.0004, "00:00.000"},
        // What a hand-edited file can put in the sum.
        {-1.5, "00:00.000"},
        {std::numeric_limits<double>::quiet_NaN(), "00:00.000"},
        {1e300, "16666666666:40.000"},
        {inf, "16666666666:40.000"},
        {-inf, "00:00.000"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(startTimeText(row.seconds), row.text) << row.seconds;
}

TEST(ListRows, RowsShowNumberTypeStartAndSummary) {
    const ElementList elements = {constantElement(1.5, 75.5), constantElement(-2, 3524.5),
                                  constantElement(0, 3600), constantElement(3, 1)};
    const std::vector<ListRow> rows = listRows(elements, Language::Japanese);
    ASSERT_EQ(rows.size(), 4u);
    const char* starts[] = {"00:00.000", "01:15.500", "60:00.000", "120:00.000"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].number, std::to_string(i + 1));
        EXPECT_EQ(rows[i].typeName, "固定値");
        EXPECT_EQ(rows[i].startTime, starts[i]);
        EXPECT_EQ(rows[i].summary, summaryText(elements[i], Language::Japanese));
    }
    EXPECT_TRUE(listRows({}, Language::Japanese).empty());
}

TEST(ListRows, NonFiniteDurationDoesNotBreakLaterRows) {
    SignalElement broken = constantElement(0, 1);
    broken.duration = std::numeric_limits<double>::quiet_NaN();
    const std::vector<ListRow> rows =
        listRows({constantElement(0, 2), broken, constantElement(0, 1)}, Language::Japanese);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].startTime, "00:02.000");
    EXPECT_EQ(rows[2].startTime, "00:00.000");
}

TEST(ListRows, OneRowAtATimeAsInTheWholeList) {
    SignalElement broken = constantElement(0, 1);
    broken.duration = std::numeric_limits<double>::quiet_NaN();
    const ElementList elements = {constantElement(1.5, 0.7), constantElement(-2, 0.1),
                                  constantElement(0, 3600), broken, constantElement(3, 1)};
    const std::vector<ElementSpan> starts = elementSpans(elements);
    const std::vector<ListRow> rows = listRows(elements, Language::Japanese);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        EXPECT_EQ(listRowAt(elements, starts, row, Language::Japanese),
                  rows[static_cast<std::size_t>(row)])
            << row;
    EXPECT_EQ(listRowAt(elements, starts, 2, Language::Japanese)->startTime, "00:00.800");
    EXPECT_FALSE(listRowAt(elements, starts, -1, Language::Japanese));
    EXPECT_FALSE(listRowAt(elements, starts, 5, Language::Japanese));
    // Starts of a shorter list: the rows past them are not shown.
    EXPECT_FALSE(listRowAt(elements, elementSpans({elements[0]}), 1, Language::Japanese));
}

TEST(ListRows, ElementAtRow) {
    const ElementList elements = {constantElement(1, 1), constantElement(2, 2)};
    EXPECT_EQ(elementAtRow(elements, 1), elements[1]);
    EXPECT_EQ(elementAtRow(elements, 0), elements[0]);
    EXPECT_FALSE(elementAtRow(elements, -1));
    EXPECT_FALSE(elementAtRow(elements, 2));
    EXPECT_FALSE(elementAtRow({}, 0));
}

TEST(ListRows, EditButtonStates) {
    struct Row {
        int range, resolution;
        bool hasElements;
        int selected;
        EditButtons expected;
    };
    const EditButtons none{};
    const EditButtons appendOnly{true, false, false, false};
    const EditButtons all{true, true, true, true};
    const Row rows[] = {
        {-1, -1, false, -1, none},    {0, -1, false, -1, none},      {-1, 3, false, -1, none},
        {-1, 3, true, 0, none},       {4, 3, false, -1, appendOnly}, {4, 3, true, -1, appendOnly},
        {4, 3, false, 0, appendOnly}, {0, 0, true, 0, all},          {0, 0, true, 5, all},
    };
    for (const Row& row : rows) {
        SignalDocument doc;
        doc.rangeCode = row.range;
        doc.resolutionCode = row.resolution;
        if (row.hasElements)
            doc.elements.push_back(constantElement(1, 1));
        EXPECT_EQ(editButtonStates(doc, row.selected), row.expected)
            << row.range << " " << row.resolution << " " << row.selected;
    }
}
