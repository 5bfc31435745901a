#include "files/import_form.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

namespace {

const std::string Logger = "# logger\ntime,CH1[mV],CH2\n0,0,5\n0.5,2500,5\n1,2500,6\n";

} // namespace

TEST(ImportForm, OffersTheSuggestedCodesOnlyWhileTheDocumentHasNone) {
    const ImportForm fresh = startImportForm(Logger, SignalDocument{});
    EXPECT_TRUE(fresh.offersCodes);
    EXPECT_EQ(fresh.resolutionCode, 3); // 1 s fits the finest resolution
    EXPECT_EQ(fresh.shape, ImportShape::Linear);

    const ImportForm kept = startImportForm(
        "AI1,0-20[mA]\r\n2020/1/1,0:00:00.00,4.0000\r\n2020/1/1,0:00:01.00,4.0000\r\n",
        madeDocument(4, 0, {constantElement(1, 2)}));
    EXPECT_FALSE(kept.offersCodes);
    EXPECT_EQ(kept.rangeCode, 4);
    EXPECT_EQ(kept.resolutionCode, 0);
    EXPECT_EQ(kept.shape, ImportShape::Step);
    EXPECT_DOUBLE_EQ(kept.usedTime, 2.0);
}

TEST(ImportForm, TheSummaryFollowsTheFields) {
    ImportForm form = startImportForm(Logger, madeDocument(0, 0));
    ImportPreview preview = previewImport(form, Language::Japanese);
    ASSERT_TRUE(preview.ok);
    EXPECT_EQ(preview.lines.front(), "読込点数: 3");
    EXPECT_EQ(preview.lines[4], "範囲外のサンプル: 99"); // past 10 V after 4 ms
    EXPECT_EQ(preview.columns, (std::vector<std::string>{"1: time", "2: CH1[mV]", "3: CH2"}));

    // A new gain reuses the points read: a value changed behind the reader's back stays.
    preview.read.points.values[1] = 0;
    form.gain = "0.001";
    preview = previewImport(form, Language::Japanese, std::move(preview));
    ASSERT_TRUE(preview.ok);
    EXPECT_EQ(preview.lines[4], "範囲外のサンプル: 0");
    EXPECT_EQ(preview.made.elements.size(), 2u);
    EXPECT_EQ(preview.read.points.values[1], 0);

    // Another column reads the text again.
    form.valueColumn = 2;
    form.shape = ImportShape::Step;
    preview = previewImport(form, Language::English, std::move(preview));
    ASSERT_TRUE(preview.ok);
    // 5 for 1 s, then the last point's 6 for one sample interval.
    EXPECT_EQ(preview.made.elements.size(), 2u);
    EXPECT_EQ(preview.read.points.values[1], 5);
}

TEST(ImportForm, FieldsThatAreNotNumbersAndRefusalsAreShownAndMakeNothing) {
    ImportForm form = startImportForm(Logger, madeDocument(0, 0));
    form.gain = "x";
    ImportPreview preview = previewImport(form, Language::Japanese);
    EXPECT_FALSE(preview.ok);
    EXPECT_EQ(preview.lines, (std::vector<std::string>{"倍率 が数値ではありません。"}));
    EXPECT_EQ(preview.columns.size(), 3u);

    form.gain = " 1 ";
    form.timeColumn = NoTimeColumn;
    form.valueColumn = 1;
    preview = previewImport(form, Language::Japanese);
    EXPECT_FALSE(preview.ok);
    EXPECT_EQ(preview.lines, (std::vector<std::string>{"時刻のない値には時間間隔が必要です。"}));
    EXPECT_EQ(preview.columns.size(), 3u);
    form.timeStep = "0.25";
    preview = previewImport(form, Language::Japanese);
    ASSERT_TRUE(preview.ok);
    EXPECT_EQ(preview.made.summary.samples, 50); // three values, two steps apart

    form = startImportForm("0,0\n120,1\n", madeDocument(0, 3));
    preview = previewImport(form, Language::Japanese);
    EXPECT_EQ(preview.lines,
              (std::vector<std::string>{
                  "取込データは 120.000 秒あり、分解能の最大時間 90 秒を超えます。"}));
}

TEST(ImportForm, DataThatDoesNotFitBesideTheDocumentsElementsIsRefused) {
    const ImportForm form =
        startImportForm("0,0\n50,0\n", madeDocument(0, 3, {constantElement(1, 45)}));
    const ImportPreview preview = previewImport(form, Language::English);
    EXPECT_FALSE(preview.ok);
    EXPECT_EQ(preview.lines.back(),
              "the data's 50.000 s do not fit the 45.000 s left in the document");
    EXPECT_TRUE(
        previewImport(startImportForm("0,0\n45,0\n", madeDocument(0, 3, {constantElement(1, 45)})),
                      Language::English)
            .ok);
}

TEST(ImportForm, NumberFields) {
    EXPECT_EQ(fieldNumber(" 1.5 "), 1.5);
    EXPECT_EQ(fieldNumber("+2"), 2.0);
    EXPECT_EQ(fieldNumber("-1e-3"), -0.001);
    EXPECT_FALSE(fieldNumber(""));
    EXPECT_FALSE(fieldNumber("1,5"));
    EXPECT_FALSE(fieldNumber("nan"));
    EXPECT_FALSE(fieldNumber("1e999"));
}

TEST(ImportForm, PastedColumnsOfNumbersArePointsToImport) {
    EXPECT_TRUE(isPointColumns("0\t1.5\r\n1\t2\r\n"));
    EXPECT_TRUE(isPointColumns("time,value\n0,1\n"));
    EXPECT_FALSE(isPointColumns("1.5\r\n2\r\n")); // one column
    EXPECT_FALSE(isPointColumns("### QZ570 series output editor elements ###\r\n"
                                "FUNC\tFUNC_CONST\r\nPAR0\t1\r\nPAR1\t2\r\n"));
    EXPECT_FALSE(isPointColumns("hello world"));
}
