// The import dialog through the main window: the menu, a paste of two columns, a dropped file and
// the command line open it; OK inserts its elements as one step and selects them.
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "tests/win/win_test_support_win.h"
#include "ui/clipboard_win.h"
#include "ui/import_command_win.h"
#include "ui/text_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr char DialogTitle[] = "波形データ取込";
// The file a logger might write: three points in mV.
constexpr char LoggerText[] = "time,CH1[mV]\r\n0,0\r\n1,5000\r\n2,0\r\n";

// Does what opens the dialog and runs the script in it once it shows; the script ends it.
void RunImport(const std::function<void()>& open, DialogScript script) {
    ASSERT_TRUE(RunInDialog(DialogTitle, open, std::move(script)));
}

void Command(int id) {
    SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

fs::path WriteFile(const std::wstring& name, const std::string& text) {
    const fs::path path = fs::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

class ImportDialog : public ::testing::Test {
  protected:
    void SetUp() override { OpenMainWindow(); }
    void TearDown() override { CloseMainWindow(); }
};

TEST_F(ImportDialog, TheMenuOpensItAndOkInsertsBeforeTheSelectedRowAsOneStep) {
    ShowTestDocument({{constantElement(1, 1), constantElement(2, 1)}, 0, 0, 0.01});
    SelectRows(1, 1);
    const fs::path file = WriteFile(L"取込.csv", LoggerText);
    RunImport([] { Command(IDM_IMPORT); },
              [&](HWND dialog) {
                  for (const int id :
                       {700, 709, 705, 706, 701, 702, 703, 704, 710, 711, 708, 707, IDOK, IDCANCEL})
                      EXPECT_NE(GetDlgItem(dialog, id), nullptr) << id;
                  EXPECT_EQ(ItemText(dialog, IDC_IMPORT_BROWSE), "参照...");
                  TypeInto(dialog, IDC_IMPORT_FILE, Narrow(file.wstring()));
                  // The document's range and resolution are used, not offered.
                  EXPECT_FALSE(ItemEnabled(dialog, IDC_IMPORT_RANGE));
                  std::string summary = ItemText(dialog, IDC_IMPORT_SUMMARY);
                  EXPECT_NE(summary.find("現在の設定を使います: ±10V, 10m秒 / 15分"),
                            std::string::npos);
                  EXPECT_NE(summary.find("範囲外のサンプル: "), std::string::npos);
                  EXPECT_EQ(summary.find("範囲外のサンプル: 0"), std::string::npos);
                  // The summary follows every field.
                  TypeInto(dialog, IDC_IMPORT_GAIN, "0.001");
                  summary = ItemText(dialog, IDC_IMPORT_SUMMARY);
                  EXPECT_NE(summary.find("読込点数: 3"), std::string::npos);
                  EXPECT_NE(summary.find("作成要素数: 2"), std::string::npos);
                  EXPECT_NE(summary.find("範囲外のサンプル: 0"), std::string::npos);
                  TypeInto(dialog, IDC_IMPORT_TOLERANCE, "x");
                  EXPECT_FALSE(ItemEnabled(dialog, IDOK));
                  EXPECT_NE(ItemText(dialog, IDC_IMPORT_SUMMARY).find("が数値ではありません"),
                            std::string::npos);
                  TypeInto(dialog, IDC_IMPORT_TOLERANCE, "0");
                  // Steps: 0, 5, and the last point's 0 for one sample interval.
                  ChooseEntry(dialog, IDC_IMPORT_SHAPE, 1);
                  EXPECT_NE(ItemText(dialog, IDC_IMPORT_SUMMARY).find("作成要素数: 3"),
                            std::string::npos);
                  ChooseEntry(dialog, IDC_IMPORT_SHAPE, 0);
                  UpdateWindow(GetDlgItem(dialog, IDC_IMPORT_PREVIEW));
                  EXPECT_TRUE(ItemEnabled(dialog, IDOK));
                  ClickItem(dialog, IDOK);
              });
    const ElementList& elements = Editor().model.document().elements;
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(elements[1].type, FUNC_SLOPE);
    EXPECT_EQ(elements[1].params[1], 5.0);
    // The line down reaches the last point's 0 V at 2 s and plays it one sample interval on.
    EXPECT_EQ(elements[2].params[1], -0.05);
    EXPECT_EQ(elements[3].params[0], 2.0);
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{1, 2}));
    Command(IDM_UNDO);
    EXPECT_EQ(Editor().model.document().elements.size(), 2u);
    fs::remove(file);
}

TEST_F(ImportDialog, CancelChangesNothing) {
    ShowTestDocument({{constantElement(1, 1)}, 0, 0, 0.01});
    const std::size_t steps = Editor().model.history().undoCount();
    const fs::path file = WriteFile(L"cancel.csv", LoggerText);
    RunImport([] { Command(IDM_IMPORT); },
              [&](HWND dialog) {
                  TypeInto(dialog, IDC_IMPORT_FILE, Narrow(file.wstring()));
                  ClickItem(dialog, IDCANCEL);
              });
    EXPECT_EQ(Editor().model.document().elements.size(), 1u);
    EXPECT_EQ(Editor().model.history().undoCount(), steps);
    fs::remove(file);
}

TEST_F(ImportDialog, PastingTwoColumnsOfNumbersOpensItWithThemAndAppends) {
    ShowTestDocument({{constantElement(1, 1)}, 4, 3, 0.001});
    // What a spreadsheet puts on the clipboard for two columns copied.
    ASSERT_TRUE(PutOnClipboard(Editor().window, "0\t0\r\n0.5\t8\r\n1\t8\r\n"));
    RunImport([] { Command(IDM_PASTE); },
              [&](HWND dialog) {
                  EXPECT_EQ(ItemText(dialog, IDC_IMPORT_FILE), "(貼り付けたデータ)");
                  EXPECT_NE(ItemText(dialog, IDC_IMPORT_SUMMARY).find("読込点数: 3"),
                            std::string::npos);
                  ClickItem(dialog, IDOK);
              });
    const ElementList& elements = Editor().model.document().elements;
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(elements[1].type, FUNC_SLOPE);
    EXPECT_EQ(elements[2].type, FUNC_CONST);
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{1, 2}));
}

// A new document has no range yet: the columns open the import, which chooses one; elements
// cannot be pasted until then.
TEST_F(ImportDialog, PastingColumnsIntoANewDocumentOpensItAndElementsAskForARange) {
    ASSERT_TRUE(PutOnClipboard(Editor().window, "0\t0\r\n1\t5\r\n"));
    RunImport([] { Command(IDM_PASTE); },
              [&](HWND dialog) {
                  EXPECT_TRUE(ItemEnabled(dialog, IDC_IMPORT_RANGE));
                  ChooseEntry(dialog, IDC_IMPORT_RANGE, 0);
                  ChooseEntry(dialog, IDC_IMPORT_RESOLUTION, 0);
                  ClickItem(dialog, IDOK);
              });
    EXPECT_NE(Editor().model.document().rangeCode, -1);
    EXPECT_FALSE(Editor().model.document().elements.empty());

    ShowTestDocument({{}, -1, -1, 0.01});
    ASSERT_TRUE(PutOnClipboard(Editor().window, "### QZ570 series output editor elements ###\r\n"));
    DialogAnswerer answerer({PressButton(IDOK)});
    Command(IDM_PASTE);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "出力レンジと分解能を選択してください。");
}

TEST_F(ImportDialog, AReplayFileOnTheCommandLineOrDroppedOffersItsRangeToANewDocument) {
    const fs::path file =
        WriteFile(L"00000000.csv",
                  "AI1,0-20[mA],1\r\n2020/1/1,0:00:00.00,4.0000\r\n2020/1/1,0:00:02.00,20.0000\r\n"
                  "2020/1/1,0:00:03.00,20.0000\r\n");
    RunImport(
        [&] {
            OpenCommandLineFile(Editor(), (L"QZ57editor.exe \"" + file.wstring() + L"\"").c_str());
        },
        [&](HWND dialog) {
            EXPECT_TRUE(ItemEnabled(dialog, IDC_IMPORT_RANGE));
            EXPECT_EQ(ItemText(dialog, IDC_IMPORT_RANGE), "0-20mA (外部電源)");
            EXPECT_EQ(ItemText(dialog, IDC_IMPORT_RESOLUTION), "1秒 / 24時間");
            EXPECT_EQ(ItemText(dialog, IDC_IMPORT_SHAPE), "階段");
            ClickItem(dialog, IDOK);
        });
    EXPECT_EQ(Editor().model.document().rangeCode, 3);
    EXPECT_EQ(Editor().model.document().resolutionCode, 2);
    EXPECT_EQ(Editor().model.document().elements.size(), 2u);

    RunImport([&] { DropFiles({file.wstring()}); },
              [&](HWND dialog) {
                  EXPECT_FALSE(ItemEnabled(dialog, IDC_IMPORT_RANGE));
                  ClickItem(dialog, IDOK);
              });
    EXPECT_EQ(Editor().model.document().elements.size(), 4u);
    fs::remove(file);
}

} // namespace
