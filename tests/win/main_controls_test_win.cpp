// The main window's selection lists, element list and edit buttons, driven as a user would.
#include "tests/win/win_test_support_win.h"

#include "model/list_rows.h"
#include "model/synthesis.h"
#include "model/tables.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/app_state_win.h"
#include "ui/main_controls_win.h"
#include "ui/param_dialog_win.h"
#include "ui/text_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr const char* RangeQuestion =
    "レンジを変更すると編集中のデータが失われますがよろしいですか?";
constexpr const char* ResolutionQuestion =
    "分解能を変更すると編集中のデータが失われますがよろしいですか?";
constexpr auto ShortPatience = std::chrono::milliseconds(1500);

class MainControls : public testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(OpenMainWindow(), nullptr); }
    void TearDown() override { CloseMainWindow(); }

    // What a user's choice in a drop-down list does: the entry, then the change notification.
    static void Choose(int comboId, int entry) {
        HWND combo = Control(comboId);
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
    }

    static int Selection(int comboId) {
        return static_cast<int>(SendMessageW(Control(comboId), CB_GETCURSEL, 0, 0));
    }

    static void Press(int buttonId) {
        SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(Control(buttonId)));
    }

    static bool Enabled(int id) { return IsWindowEnabled(Control(id)) != FALSE; }

    // Append, insert, edit, delete.
    static std::vector<bool> Buttons() {
        return {Enabled(IDC_APPEND), Enabled(IDC_INSERT), Enabled(IDC_EDIT), Enabled(IDC_DELETE)};
    }

    static int RowCount() {
        return static_cast<int>(SendMessageW(Control(IDC_ELEMENT_LIST), LVM_GETITEMCOUNT, 0, 0));
    }

    static int SelectedRowCount() {
        return static_cast<int>(
            SendMessageW(Control(IDC_ELEMENT_LIST), LVM_GETSELECTEDCOUNT, 0, 0));
    }

    static std::string CellText(int row, int column) {
        return ListCellText(Control(IDC_ELEMENT_LIST), row, column);
    }

    // Both settings chosen (±10 V, 24 h at 1 s) and the list holding these elements, as after
    // the parameter dialog's OKs.
    static void ShowElements(const ElementList& elements) {
        Choose(IDC_OUTPUT_RANGE, positionOfRangeCode(0));
        Choose(IDC_RESOLUTION, positionOfResolutionCode(2));
        ShowTestElements(elements);
    }
};

TEST_F(MainControls, ControlsAsCreated) {
    struct Row {
        int id;
        const char* className;
        const char* text;
        LONG style; // WS_DISABLED aside
        Placement at;
    };
    const Row rows[] = {
        {IDC_LABEL_OUTPUT_RANGE, "Static", "出力レンジ", 0x50000000, RangeLabelPlace},
        {IDC_OUTPUT_RANGE, "ComboBox", "", 0x50210003, RangeComboPlace},
        {IDC_LABEL_RESOLUTION, "Static", "分解能/最大時間", 0x50000000, ResolutionLabelPlace},
        {IDC_RESOLUTION, "ComboBox", "", 0x50210003, ResolutionComboPlace},
        {IDC_LABEL_DISPLAY_PERIOD, "Static", "表示期間", 0x50000000, PeriodLabelPlace},
        {IDC_DISPLAY_PERIOD, "ComboBox", "30秒", 0x50210003, PeriodComboPlace},
        {IDC_ELEMENT_LIST, "SysListView32", "", 0x50009009, ElementListPlace},
        {IDC_APPEND, "Button", "末尾に追加", 0x50000000, AppendButtonPlace},
        {IDC_INSERT, "Button", "挿入", 0x50000000, InsertButtonPlace},
        {IDC_EDIT, "Button", "編集", 0x50000000, EditButtonPlace},
        {IDC_DELETE, "Button", "削除", 0x50000000, DeleteButtonPlace},
    };
    const HFONT font = Editor().font.get();
    for (const Row& row : rows) {
        HWND control = Control(row.id);
        ASSERT_NE(control, nullptr) << row.id;
        wchar_t className[64] = {};
        GetClassNameW(control, className, 64);
        EXPECT_STRCASEEQ(Narrow(className).c_str(), row.className) << row.id;
        EXPECT_EQ(WindowText(control), row.text) << row.id;
        // A combo box hands WS_VSCROLL on to its drop-down list when it is created.
        const LONG handedOn = row.className == std::string("ComboBox") ? WS_VSCROLL : 0;
        EXPECT_EQ(GetWindowLongW(control, GWL_STYLE) & ~WS_DISABLED, row.style & ~handedOn)
            << row.id;
        EXPECT_EQ(GetWindowLongW(control, GWL_EXSTYLE) & ~WS_EX_NOPARENTNOTIFY, 0) << row.id;
        EXPECT_EQ(GetParent(control), Editor().window) << row.id;
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), font);
        const RECT at = RectInParent(control);
        EXPECT_EQ(at.left, row.at.x) << row.id;
        EXPECT_EQ(at.top, row.at.y) << row.id;
        EXPECT_EQ(at.right, row.at.x + row.at.width) << row.id;
        // A drop-down list's own height is its edit line's, not the height it was created with.
        if (handedOn == 0) {
            EXPECT_EQ(at.bottom, row.at.y + row.at.height) << row.id;
        }
    }

    HWND list = Control(IDC_ELEMENT_LIST);
    const auto extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT),
              LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    const char* headers[] = {"番号", "タイプ", "時間", "パラメータ"};
    for (int index = 0; index < ListColumnCount; ++index) {
        wchar_t header[64] = {};
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        lvc.pszText = header;
        lvc.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(index),
                                 reinterpret_cast<LPARAM>(&lvc)));
        EXPECT_EQ(Narrow(header), headers[index]);
        EXPECT_EQ(lvc.cx, ListColumnWidths[static_cast<std::size_t>(index)]);
        EXPECT_EQ(lvc.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);
        EXPECT_EQ(lvc.iSubItem, index);
    }
    EXPECT_EQ(RowCount(), 0);
}

TEST_F(MainControls, ComboEntriesAndFirstSelections) {
    const auto entries = [](int id) {
        std::vector<std::string> texts;
        HWND combo = Control(id);
        const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            wchar_t text[64] = {};
            SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(text));
            texts.push_back(Narrow(text));
        }
        return texts;
    };
    EXPECT_EQ(entries(IDC_OUTPUT_RANGE),
              (std::vector<std::string>{"±32V", "±10V", "±100mV", "0-20mA (内部電源)",
                                        "0-20mA (外部電源)"}));
    EXPECT_EQ(entries(IDC_RESOLUTION),
              (std::vector<std::string>{"1m秒 / 90秒", "10m秒 / 15分", "100m秒 / 2時間",
                                        "1秒 / 24時間"}));
    EXPECT_EQ(entries(IDC_DISPLAY_PERIOD),
              (std::vector<std::string>{"100m秒", "1秒", "5秒", "10秒", "30秒", "1分", "5分",
                                        "10分", "30分", "1時間", "2時間", "6時間", "24時間"}));
    EXPECT_EQ(Selection(IDC_OUTPUT_RANGE), -1);
    EXPECT_EQ(Selection(IDC_RESOLUTION), -1);
    EXPECT_EQ(Selection(IDC_DISPLAY_PERIOD), 4);
    // The list's first entry and the chart agree from the start.
    EXPECT_EQ(Editor().chart.canvas.displaySpan, 30);
    // The empty list is synthesized into the single point (0, 0).
    ASSERT_EQ(Editor().model.samples().pointCount(), 1);
    EXPECT_EQ(Editor().model.samples().pointAt(0).time, 0);
}

TEST_F(MainControls, GeometryFollowsTheScreenDpi) {
    CloseMainWindow();
    ASSERT_NE(OpenMainWindow(120), nullptr);
    const RECT list = RectInParent(Control(IDC_ELEMENT_LIST));
    EXPECT_EQ(list.left, 25);
    EXPECT_EQ(list.top, 562);
    EXPECT_EQ(list.right - list.left, 875);
    EXPECT_EQ(list.bottom - list.top, 231);
    const RECT append = RectInParent(Control(IDC_APPEND));
    EXPECT_EQ(append.left, 937);
    EXPECT_EQ(append.top, 600);
    EXPECT_EQ(append.right - append.left, 150);
    EXPECT_EQ(append.bottom - append.top, 30);
    EXPECT_EQ(SendMessageW(Control(IDC_ELEMENT_LIST), LVM_GETCOLUMNWIDTH, 3, 0), 542);
}

TEST_F(MainControls, ColumnsKeepRoomForTheirTextAt144Dpi) {
    CloseMainWindow();
    ASSERT_NE(OpenMainWindow(144), nullptr);
    const int widths[] = {84, 225, 90, 651};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(SendMessageW(Control(IDC_ELEMENT_LIST), LVM_GETCOLUMNWIDTH,
                               static_cast<WPARAM>(column), 0),
                  widths[column])
            << column;
}

TEST_F(MainControls, ButtonsFollowTheChoicesAndTheSelection) {
    using B = std::vector<bool>;
    EXPECT_EQ(Buttons(), (B{false, false, false, false}));
    Choose(IDC_OUTPUT_RANGE, 1);
    EXPECT_EQ(Buttons(), (B{false, false, false, false}));
    Choose(IDC_RESOLUTION, 0);
    EXPECT_EQ(Buttons(), (B{true, false, false, false}));

    ShowTestElements({constantElement(1, 1), constantElement(2, 2)});
    EXPECT_EQ(Buttons(), (B{true, false, false, false}));
    SelectRow(1);
    EXPECT_EQ(Buttons(), (B{true, true, true, true}));
    SelectRow(1, false);
    EXPECT_EQ(Buttons(), (B{true, false, false, false}));
}

TEST_F(MainControls, ResolutionFirstThenRange) {
    using B = std::vector<bool>;
    Choose(IDC_RESOLUTION, 3);
    EXPECT_EQ(Buttons(), (B{false, false, false, false}));
    Choose(IDC_OUTPUT_RANGE, 0);
    EXPECT_EQ(Buttons(), (B{true, false, false, false}));
    EXPECT_EQ(Editor().model.document().rangeCode, 4);
    EXPECT_EQ(Editor().model.document().resolutionCode, 2);
    EXPECT_EQ(Editor().model.document().sampleInterval, 1.0);
}

TEST_F(MainControls, EveryEditLeavesNoRowSelected) {
    ShowElements({constantElement(1, 1), constantElement(2, 2), constantElement(3, 3)});
    SelectRow(1);
    ASSERT_EQ(SelectedRowCount(), 1);
    Press(IDC_DELETE);
    EXPECT_EQ(SelectedRowCount(), 0);
    EXPECT_EQ(SelectedIndex(), -1);
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false, false}));

    // What the parameter dialog's OK ends with.
    SelectRow(0);
    ApplyStep(Editor(), appendElement(Editor().model.document(), constantElement(4, 4)));
    EXPECT_EQ(SelectedRowCount(), 0);
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false, false}));
}

TEST_F(MainControls, DeleteRemovesTheSelectedRowWithoutAsking) {
    ShowElements({constantElement(1, 1), constantElement(2, 2), constantElement(3, 3)});
    SelectRow(1);
    DialogAnswerer answerer(PressButton(IDNO), ShortPatience);
    Press(IDC_DELETE);
    EXPECT_TRUE(answerer.finish().empty());
    ASSERT_EQ(Editor().model.document().elements.size(), 2u);
    EXPECT_EQ(Editor().model.document().elements[0], constantElement(1, 1));
    EXPECT_EQ(Editor().model.document().elements[1], constantElement(3, 3));
    ASSERT_EQ(RowCount(), 2);
    EXPECT_EQ(CellText(1, 0), "2");
    EXPECT_EQ(CellText(1, 2), "00:01.000");
    EXPECT_EQ(CellText(1, 3), summaryText(constantElement(3, 3), Language::Japanese));
    // The chart holds the samples of what is left.
    TracePoints expected;
    rebuildSamples(Editor().model.document().elements, Editor().model.document().sampleInterval,
                   expected);
    EXPECT_EQ(Editor().model.samples().pointCount(), expected.pointCount());
    EXPECT_EQ(Editor().model.samples().lastPoint().time, 4);

    SelectRow(0);
    Press(IDC_DELETE);
    SelectRow(0);
    Press(IDC_DELETE);
    EXPECT_TRUE(Editor().model.document().elements.empty());
    EXPECT_EQ(RowCount(), 0);
    ASSERT_EQ(Editor().model.samples().pointCount(), 1);
    EXPECT_EQ(Editor().model.samples().pointAt(0).value, 0);
}

TEST_F(MainControls, SeveralRowsSelectedActOnTheLowest) {
    ShowElements({constantElement(1, 1), constantElement(2, 2), constantElement(3, 3),
                  constantElement(4, 4)});
    SelectRow(3);
    SelectRow(1);
    SelectRow(2);
    EXPECT_EQ(SelectedRowCount(), 3);
    EXPECT_EQ(SelectedIndex(), 1);
    Press(IDC_DELETE);
    ASSERT_EQ(Editor().model.document().elements.size(), 3u);
    EXPECT_EQ(Editor().model.document().elements[1], constantElement(3, 3));
    EXPECT_EQ(Editor().model.document().elements[2], constantElement(4, 4));
}

TEST_F(MainControls, RowsShowNumberTypeStartTimeAndSummary) {
    // Starts at 0, 75.5 s, 3600 s and 7200 s.
    const ElementList elements = {constantElement(1, 75.5), constantElement(-2, 3524.5),
                                  constantElement(0, 3600), constantElement(3, 1)};
    ShowElements(elements);
    ASSERT_EQ(RowCount(), 4);
    const char* starts[] = {"00:00.000", "01:15.500", "60:00.000", "120:00.000"};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(CellText(row, 0), std::to_string(row + 1));
        EXPECT_EQ(CellText(row, 1), "固定値");
        EXPECT_EQ(CellText(row, 2), starts[row]);
        EXPECT_EQ(CellText(row, 3),
                  summaryText(elements[static_cast<std::size_t>(row)], Language::Japanese));
    }
}

TEST_F(MainControls, LongListShowsTheRowsAsTheyAreAfterAnEdit) {
    ShowElements(ElementList(10000, constantElement(1, 0.5)));
    ASSERT_EQ(RowCount(), 10000);
    EXPECT_EQ(CellText(9999, 0), "10000");
    EXPECT_EQ(CellText(9999, 2), "83:19.500");
    // A longer first element moves every later start; the count stays.
    ApplyStep(Editor(), replaceElement(Editor().model.document(), constantElement(1, 1.5), 0));
    EXPECT_EQ(RowCount(), 10000);
    EXPECT_EQ(CellText(9999, 2), "83:20.500");
    EXPECT_EQ(CellText(0, 3), summaryText(constantElement(1, 1.5), Language::Japanese));
    EXPECT_EQ(CellText(10000, 0), "");
}

TEST_F(MainControls, DisplayPeriodLeavesTheListAlone) {
    ShowElements({constantElement(1, 1), constantElement(2, 2)});
    SelectRow(1);
    Choose(IDC_DISPLAY_PERIOD, 0);
    EXPECT_EQ(SelectedIndex(), 1);
    EXPECT_EQ(RowCount(), 2);
}

TEST_F(MainControls, RangeChangeAsksAndNoKeepsEverything) {
    ShowElements({constantElement(1, 1), constantElement(2, 2)});
    const int pointsBefore = Editor().model.samples().pointCount();
    DialogAnswerer answerer(PressButton(IDNO));
    Choose(IDC_OUTPUT_RANGE, 0); // ±10 V to ±32 V
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "確認");
    EXPECT_EQ(seen[0].text, RangeQuestion);
    EXPECT_EQ(Selection(IDC_OUTPUT_RANGE), 1);
    EXPECT_EQ(Editor().model.document().rangeCode, 0);
    EXPECT_EQ(Editor().model.document().elements.size(), 2u);
    EXPECT_EQ(RowCount(), 2);
    EXPECT_EQ(Editor().model.samples().pointCount(), pointsBefore);
    EXPECT_EQ(Editor().chart.outputTrace->maxValue, 10);
}

TEST_F(MainControls, RangeChangeYesEmptiesTheList) {
    ShowElements({constantElement(1, 1), constantElement(2, 2)});
    SelectRow(0);
    DialogAnswerer answerer(PressButton(IDYES));
    Choose(IDC_OUTPUT_RANGE, 0);
    ASSERT_EQ(answerer.finish().size(), 1u);
    EXPECT_EQ(Editor().model.document().rangeCode, 4);
    EXPECT_TRUE(Editor().model.document().elements.empty());
    EXPECT_EQ(RowCount(), 0);
    EXPECT_EQ(Editor().model.samples().pointCount(), 1);
    EXPECT_EQ(Editor().chart.outputTrace->minValue, -32);
    EXPECT_EQ(Editor().chart.outputTrace->maxValue, 32);
    EXPECT_EQ(Editor().chart.outputTrace->unit, "V");
    EXPECT_EQ(Buttons(), (std::vector<bool>{true, false, false, false}));
}

TEST_F(MainControls, ResolutionChangeAsksWithYesAndNo) {
    ShowElements({constantElement(1, 1)});
    {
        DialogAnswerer answerer(PressButton(IDNO));
        Choose(IDC_RESOLUTION, 0);
        const std::vector<SeenDialog> seen = answerer.finish();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].title, "確認");
        EXPECT_EQ(seen[0].text, ResolutionQuestion);
    }
    EXPECT_EQ(Selection(IDC_RESOLUTION), 3);
    EXPECT_EQ(Editor().model.document().resolutionCode, 2);
    EXPECT_EQ(Editor().model.document().sampleInterval, 1.0);
    EXPECT_EQ(RowCount(), 1);
    {
        DialogAnswerer answerer(PressButton(IDYES));
        Choose(IDC_RESOLUTION, 0);
        EXPECT_EQ(answerer.finish().size(), 1u);
    }
    EXPECT_EQ(Selection(IDC_RESOLUTION), 0);
    EXPECT_EQ(Editor().model.document().resolutionCode, 3);
    EXPECT_EQ(Editor().model.document().sampleInterval, 0.001);
    EXPECT_TRUE(Editor().model.document().elements.empty());
    EXPECT_EQ(RowCount(), 0);
}

TEST_F(MainControls, NoQuestionWithAnEmptyListOrTheSameEntry) {
    DialogAnswerer answerer(PressButton(IDNO), ShortPatience);
    Choose(IDC_OUTPUT_RANGE, 1);
    Choose(IDC_RESOLUTION, 3);
    Choose(IDC_OUTPUT_RANGE, 2); // empty list: no question
    Choose(IDC_RESOLUTION, 1);
    ShowTestElements({constantElement(1, 1)});
    Choose(IDC_OUTPUT_RANGE, 2); // the entry already current
    Choose(IDC_RESOLUTION, 1);
    EXPECT_TRUE(answerer.finish().empty());
    EXPECT_EQ(Editor().model.document().elements.size(), 1u);
    EXPECT_EQ(Editor().model.document().rangeCode, 1);
    EXPECT_EQ(Editor().model.document().resolutionCode, 0);
}

TEST_F(MainControls, TraceFollowsTheRange) {
    struct Row {
        int entry;
        double minimum, maximum;
        const char* unit;
    };
    const Row rows[] = {
        {0, -32, 32, "V"}, {1, -10, 10, "V"}, {2, -100, 100, "mV"},
        {3, 0, 20, "mA"},  {4, 0, 20, "mA"},
    };
    for (const Row& row : rows) {
        Choose(IDC_OUTPUT_RANGE, row.entry);
        EXPECT_EQ(Editor().chart.outputTrace->minValue, row.minimum) << row.entry;
        EXPECT_EQ(Editor().chart.outputTrace->maxValue, row.maximum) << row.entry;
        EXPECT_EQ(Editor().chart.outputTrace->unit, row.unit) << row.entry;
    }
}

TEST_F(MainControls, DisplayPeriodSetsTheChart) {
    Choose(IDC_DISPLAY_PERIOD, 0);
    EXPECT_EQ(Editor().chart.canvas.displaySpan, 0.1);
    EXPECT_TRUE(Editor().chart.canvas.showHundredths);
    EXPECT_EQ(Editor().chart.canvas.viewEnd - Editor().chart.canvas.viewStart, 0.1);
    Choose(IDC_DISPLAY_PERIOD, 12);
    EXPECT_EQ(Editor().chart.canvas.displaySpan, 86400);
    EXPECT_EQ(Editor().chart.canvas.secondsPerDivision, 7200);
    EXPECT_FALSE(Editor().chart.canvas.showHundredths);
    EXPECT_EQ(Editor().model.document().rangeCode, -1);
}

TEST_F(MainControls, EditButtonHandsTheSelectedElementToTheDialog) {
    ShowElements({constantElement(1, 1), constantElement(2.5, 7)});
    SelectRow(1);
    DialogAnswerer answerer(PressButton(IDC_PARAM_CANCEL));
    Press(IDC_EDIT);
    const auto seen = answerer.finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].controlTexts.at(IDC_TYPE), "固定値");
    EXPECT_EQ(seen[0].controlTexts.at(IDC_FIELD_FIRST), "2.5000");
    EXPECT_EQ(Editor().model.document().elements.size(), 2u);
}

// A thread hook that refuses to create list views, as a system short of resources might.
LRESULT CALLBACK RefuseListViews(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        wchar_t className[64] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), className, 64);
        if (lstrcmpiW(className, WC_LISTVIEWW) == 0)
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MainControls, WithoutAListViewThereAreNoButtonsAndTheProgramRunsOn) {
    CloseMainWindow();
    HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseListViews, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    HWND window = OpenMainWindow();
    UnhookWindowsHookEx(hook);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Control(IDC_ELEMENT_LIST), nullptr);
    for (int id : {IDC_APPEND, IDC_INSERT, IDC_EDIT, IDC_DELETE})
        EXPECT_EQ(Control(id), nullptr) << id;
    EXPECT_NE(Control(IDC_OUTPUT_RANGE), nullptr);

    Choose(IDC_OUTPUT_RANGE, 2);
    Choose(IDC_RESOLUTION, 1);
    ShowTestElements({constantElement(1, 3)});
    EXPECT_EQ(SelectedIndex(), -1);
    EXPECT_EQ(Editor().model.samples().lastPoint().time, 3);
    EXPECT_EQ(Editor().chart.outputTrace->unit, "mV");
}

} // namespace
