// The element commands reach the document from the menu, the keys, the right-click menu, the
// command line and a drop; what each command does is the core's to prove.
#include "tests/win/win_test_support_win.h"

#include "files/element_clipboard.h"
#include "files/settings_file.h"
#include "model/status_texts.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/clipboard_win.h"
#include "ui/editor_refresh_win.h"
#include "ui/element_commands_win.h"
#include "ui/main_controls_win.h"
#include "ui/text_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr auto Briefly = std::chrono::milliseconds(1500);

class ElementCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(OpenMainWindow(), nullptr);
        ShowTestDocument({{constantElement(1, 1), constantElement(2, 1)}, 0, 0, 0.01});
    }
    void TearDown() override { CloseMainWindow(); }

    static void Command(int id) { SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    static HWND List() { return Control(IDC_ELEMENT_LIST); }

    static std::vector<double> Values() { return levelsOf(Editor().model.document().elements); }

    static void SetClipboard(const std::string& text) { PutOnClipboard(Editor().window, text); }

    static fs::path WriteGoldenCopy(const fs::path& name) {
        const fs::path path = fs::temp_directory_path() / name;
        std::ofstream(path, std::ios::binary)
            << settingsFileText({{constantElement(7, 2)}, 1, 1, 0.1});
        return path;
    }
};

using Levels = std::vector<double>;

TEST_F(ElementCommands, MenuCommandsChangeTheListAsOneStepEach) {
    SelectRows(0, 1);
    Command(IDM_COPY);
    Command(IDM_PASTE); // before the selected row
    EXPECT_EQ(Values(), (Levels{1, 1, 2}));
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{0}));
    Command(IDM_MOVE_DOWN);
    Command(IDM_MOVE_DOWN);
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{2}));
    Command(IDM_DUPLICATE);
    EXPECT_EQ(Values(), (Levels{1, 2, 1, 1}));
    Command(IDM_CUT);
    EXPECT_EQ(Values(), (Levels{1, 2, 1}));
    Command(IDM_SELECT_ALL);
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{0, 1, 2}));
    Command(IDM_UNDO);
    EXPECT_EQ(Values(), (Levels{1, 2, 1, 1}));
    EXPECT_TRUE(Editor().model.modified());
}

TEST_F(ElementCommands, CopyPutsTheElementsOnTheClipboardAsText) {
    SelectRows(1, 1);
    Command(IDM_COPY);
    OpenClipboard(Editor().window);
    const auto* text = static_cast<const wchar_t*>(GlobalLock(GetClipboardData(CF_UNICODETEXT)));
    const std::string copied = text != nullptr ? Narrow(text) : "";
    GlobalUnlock(GetClipboardData(CF_UNICODETEXT));
    CloseClipboard();
    EXPECT_EQ(copied, elementClipboardText({constantElement(2, 1)}));
}

TEST_F(ElementCommands, RefusedPastesSayWhyAndChangeNothing) {
    const struct {
        std::string clipboard;
        std::string message;
    } rows[] = {
        {"FUNC\tFUNC_CONST\r\nPAR0\tx\r\n",
         "貼り付けできる要素がありません。(2 行目: PAR0 と有限の数値 (パラメータ 0) が必要です)"},
        {elementClipboardText({constantElement(3, 900)}),
         "現在の設定における総時間制限を超過していますので追加できません。"},
    };
    for (const auto& row : rows) {
        SetClipboard(row.clipboard);
        DialogAnswerer answer(PressButton(IDOK));
        Command(IDM_PASTE);
        const auto seen = answer.finish();
        ASSERT_EQ(seen.size(), 1u) << row.message;
        EXPECT_EQ(seen[0].title, "エラー");
        EXPECT_NE(seen[0].text.find(row.message), std::string::npos) << seen[0].text;
        EXPECT_EQ(Values(), (Levels{1, 2}));
    }
}

TEST_F(ElementCommands, ItemsAreGrayedWhenTheyCannotAct) {
    HMENU menu = GetMenu(Editor().window);
    const auto enabled = [menu](int id) {
        SendMessageW(Editor().window, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 1);
        return (GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED) == 0;
    };
    SetClipboard("");
    OpenClipboard(Editor().window);
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(enabled(IDM_COPY));
    EXPECT_FALSE(enabled(IDM_PASTE));
    EXPECT_TRUE(enabled(IDM_SELECT_ALL));
    SelectRows(0, 1);
    EXPECT_TRUE(enabled(IDM_MOVE_DOWN));
    Command(IDM_COPY);
    EXPECT_TRUE(enabled(IDM_PASTE));
}

TEST_F(ElementCommands, ListKeysAndDoubleClickDoWhatTheButtonsDo) {
    SelectRows(0, 1);
    SetFocus(List());
    SendMessageW(List(), WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(Values(), (Levels{2}));

    SelectRows(0, 1);
    for (UINT key : {VK_INSERT, VK_RETURN, VK_LBUTTON}) {
        SetFocus(List());
        ASSERT_EQ(GetFocus(), List());
        DialogAnswerer answer(PressButton(IDC_PARAM_CANCEL));
        RECT row{LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(List(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        if (key == VK_RETURN)
            Command(IDOK); // what the keyboard's dialog handling makes of Enter
        else if (key == VK_LBUTTON)
            SendMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON,
                         MAKELPARAM(row.left + 50, row.top + 2));
        else
            SendMessageW(List(), WM_KEYDOWN, key, 1);
        const auto seen = answer.finish();
        ASSERT_EQ(seen.size(), 1u) << key;
        EXPECT_EQ(seen[0].title, "パラメータ編集");
    }
}

// The right-click menu, read while it is open and then closed with Esc.
TEST_F(ElementCommands, RightClickMenuOffersTheListCommands) {
    SelectRows(0, 1);
    std::vector<std::pair<std::string, bool>> items;
    std::thread reader([&] {
        for (int tries = 0; tries < 200; ++tries) {
            HWND popup = FindWindowW(L"#32768", nullptr);
            if (popup != nullptr && IsWindowVisible(popup)) {
                HMENU menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
                for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                    wchar_t text[64] = {};
                    GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
                    if (text[0] != L'\0')
                        items.emplace_back(Narrow(text),
                                           (GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED) == 0);
                }
                PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
                PostMessageW(Editor().window, WM_CANCELMODE, 0, 0);
                return;
            }
            Sleep(20);
        }
    });
    SendMessageW(Editor().window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(List()),
                 MAKELPARAM(-1, -1));
    reader.join();
    ASSERT_EQ(items.size(), 11u);
    EXPECT_EQ(items[0], (std::pair<std::string, bool>{"挿入", true}));
    EXPECT_EQ(items[2], (std::pair<std::string, bool>{"削除", true}));
    EXPECT_EQ(items[3].first, "切り取り\tCtrl+X");
    EXPECT_EQ(items[7], (std::pair<std::string, bool>{"繰り返し...\tCtrl+R", true}));
    EXPECT_EQ(items[10].first, "すべて選択\tCtrl+A");
}

TEST_F(ElementCommands, CommandLineAndDropLoadASettingsFile) {
    const fs::path file = WriteGoldenCopy(L"開く設定.dat");
    {
        DialogAnswerer answer(PressButton(IDOK));
        OpenCommandLineFile(Editor(),
                            (L"QZ57editor.exe \"" + file.wstring() + L"\" extra").c_str());
        const auto seen = answer.finish();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].title, "読込完了");
        EXPECT_EQ(Values(), (Levels{7}));
    }
    {
        DialogAnswerer answer(PressButton(IDOK), Briefly);
        OpenCommandLineFile(Editor(), L"QZ57editor.exe notes.txt");
        EXPECT_TRUE(answer.finish().empty());
    }

    ShowTestDocument({{constantElement(1, 1)}, 0, 0, 0.01});
    DialogAnswerer answer({PressButton(IDYES), PressButton(IDOK)});
    DropFiles({file.wstring(), L"second.dat"});
    const auto seen = answer.finish();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "現在編集中のデータは失われますがよろしいですか?");
    EXPECT_EQ(Values(), (Levels{7}));
    EXPECT_EQ(Editor().model.filePath(), file);
    fs::remove(file);
}

} // namespace

namespace {

// What the window shows after a command, with every run of rows counted in blocks of a tenth of
// the list it started from: the same for a list of 10 and of 10,000 elements when the commands
// treat every row alike.
struct Shown {
    std::vector<std::pair<double, int>> levelRuns; // level and length in blocks
    std::vector<std::pair<int, int>> selectedRuns; // first block and length in blocks
    std::string fileStatus, timeStatus, clippingStatus;
    int samples = 0;
    bool countsMatch = false; // the counts part names the list's elements and samples

    bool operator==(const Shown&) const = default;
};

Shown ShownInBlocks(int block) {
    Shown shown;
    for (double level : levelsOf(Editor().model.document().elements)) {
        if (shown.levelRuns.empty() || shown.levelRuns.back().first != level)
            shown.levelRuns.push_back({level, 0});
        ++shown.levelRuns.back().second;
    }
    for (auto& run : shown.levelRuns)
        run.second /= block;
    for (const RowRange& range : selectionOfRows(ListSelectedRows()).ranges)
        shown.selectedRuns.push_back({range.first / block, range.count() / block});
    shown.fileStatus = StatusPartText(StatusPart::File);
    shown.timeStatus = StatusPartText(StatusPart::Time);
    shown.clippingStatus = StatusPartText(StatusPart::Clipping);
    shown.samples = Editor().model.samples().pointCount();
    shown.countsMatch = StatusPartText(StatusPart::Counts) ==
                        countStatusText(Editor().model.document().elements.size(), shown.samples,
                                        Language::Japanese);
    return shown;
}

// A list of ten blocks of `block` elements each, the levels 0 to 9 by block, 10 s in all at 1 ms:
// one sample per element at any length.
std::vector<Shown> ShownAfterCommands(int block) {
    SignalDocument doc{{}, 0, 3, 0.001};
    for (int i = 0; i < 10 * block; ++i)
        doc.elements.push_back(constantElement(i / block, 1.0 / block));
    ShowTestDocument(doc);
    std::vector<Shown> seen;
    for (int id : {IDM_SELECT_ALL, IDM_CUT, IDM_UNDO, IDM_PASTE, IDM_UNDO, IDM_REDO}) {
        SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        PumpMessages();
        seen.push_back(ShownInBlocks(block));
    }
    return seen;
}

} // namespace

TEST_F(ElementCommands, CommandsOnTenThousandRowsShowWhatTheyShowOnTen) {
    const std::vector<Shown> ten = ShownAfterCommands(1);
    const std::vector<Shown> many = ShownAfterCommands(1'000);
    ASSERT_EQ(ten.size(), many.size());
    for (std::size_t step = 0; step < ten.size(); ++step) {
        EXPECT_TRUE(ten[step] == many[step]) << "after command " << step;
        EXPECT_TRUE(many[step].countsMatch) << "after command " << step;
    }
    // Pasted before the first selected row, the copy is selected and the list doubled.
    EXPECT_EQ(many[3].selectedRuns, (std::vector<std::pair<int, int>>{{0, 10}}));
    EXPECT_EQ(many[3].levelRuns.size(), 20u);
}

// A long list unselected wholesale is emptied for a moment; the rows in view stay in view.
TEST_F(ElementCommands, ALongListKeepsItsPlaceWhenItsSelectionChangesWholesale) {
    ShowTestDocument({ElementList(10'000, constantElement(1, 0.001)), 0, 3, 0.001});
    Command(IDM_SELECT_ALL);
    SendMessageW(List(), LVM_ENSUREVISIBLE, 9'999, FALSE);
    const LRESULT top = SendMessageW(List(), LVM_GETTOPINDEX, 0, 0);
    ASSERT_GT(top, 9'000);
    std::vector<int> everyOther;
    for (int row = 0; row < 200; row += 2)
        everyOther.push_back(row);
    Editor().selection = selectionOfRows(everyOther);
    Refresh(Editor(), SelectionPart);
    EXPECT_EQ(SendMessageW(List(), LVM_GETTOPINDEX, 0, 0), top);
    EXPECT_EQ(ListSelectedRows(), everyOther);
}
