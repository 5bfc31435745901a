// The element commands reach the document from the menu, the keys, the right-click menu, the
// command line and a drop; what each command does is the core's to prove.
#include "tests/win/win_test_support_win.h"

#include "files/element_clipboard.h"
#include "files/settings_file.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/element_commands_win.h"
#include "ui/main_controls_win.h"
#include "ui/text_win.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstring>
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

    static void SetClipboard(const std::string& text) {
        const std::wstring wide = Widen(text);
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
        std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        OpenClipboard(Editor().window);
        EmptyClipboard();
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }

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
        {"FUNC\tFUNC_CONST\r\nPAR0\tx\r\n", "PAR0"},
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
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(items[0], (std::pair<std::string, bool>{"挿入", true}));
    EXPECT_EQ(items[2], (std::pair<std::string, bool>{"削除", true}));
    EXPECT_EQ(items[3].first, "切り取り\tCtrl+X");
    EXPECT_EQ(items[9].first, "すべて選択\tCtrl+A");
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
    const std::wstring dropped = file.wstring() + L'\0' + L"second.dat" + L'\0' + L'\0';
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + dropped.size() * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, dropped.data(), dropped.size() * sizeof(wchar_t));
    GlobalUnlock(drop);
    DialogAnswerer answer({PressButton(IDYES), PressButton(IDOK)});
    SendMessageW(Editor().window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    const auto seen = answer.finish();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "現在編集中のデータは失われますがよろしいですか?");
    EXPECT_EQ(Values(), (Levels{7}));
    EXPECT_EQ(Editor().model.filePath(), file);
    fs::remove(file);
}

} // namespace
