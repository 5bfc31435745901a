#include "tests/win/win_test_support_win.h"

#include "model/tables.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/app_state_win.h"
#include "ui/help_win.h"
#include "ui/main_controls_win.h"
#include "ui/main_window_win.h"
#include "ui/message_loop_win.h"
#include "ui/text_win.h"
#include "ui/ui_font_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

constexpr auto Briefly = std::chrono::seconds(2);

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_NE(OpenMainWindow(), nullptr); }
    void TearDown() override { CloseMainWindow(); }

    static void Command(int id) { SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

TEST_F(MainWindowTest, ExitAnsweredNoKeepsTheProgramRunning) {
    DialogAnswerer answer(PressButton(IDNO));
    Command(IDM_EXIT);
    const auto seen = answer.finish();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "終了確認");
    EXPECT_EQ(seen[0].text, "保存していないデータは失われますがよろしいですか?");
    EXPECT_FALSE(PumpMessages());
    EXPECT_TRUE(IsWindow(Editor().window));
}

TEST_F(MainWindowTest, ExitAnsweredYesEndsTheMessageLoopWithTheWindowStillThere) {
    DialogAnswerer answer(PressButton(IDYES));
    Command(IDM_EXIT);
    EXPECT_EQ(answer.finish().size(), 1u);

    EXPECT_TRUE(PumpMessages());
    EXPECT_TRUE(IsWindow(Editor().window));
}

TEST_F(MainWindowTest, ExitAsksEveryTime) {
    for (int i = 0; i < 3; ++i) {
        DialogAnswerer answer(PressButton(IDNO));
        Command(IDM_EXIT);
        EXPECT_EQ(answer.finish().size(), 1u);
    }
    EXPECT_FALSE(PumpMessages());
}

TEST_F(MainWindowTest, CloseBoxEndsTheProgramWithoutAQuestion) {
    DialogAnswerer answer(PressButton(IDNO), Briefly);
    SendMessageW(Editor().window, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(answer.finish().empty());

    EXPECT_FALSE(IsWindow(Editor().window));
    EXPECT_TRUE(PumpMessages());
}

TEST_F(MainWindowTest, IsAFixedSizeWindowWithItsTitleAndClass) {
    const LONG style = GetWindowLongW(Editor().window, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(WindowText(Editor().window), "QZ-570 series Singal Editor");

    wchar_t className[16] = {};
    GetClassNameW(Editor().window, className, 16);
    EXPECT_STREQ(className, L"MYMAIN");
}

bool MenuEnabled(int id) {
    return (GetMenuState(GetMenu(Editor().window), static_cast<UINT>(id), MF_BYCOMMAND) &
            MF_GRAYED) == 0;
}

// A key as the message loop receives it, with Ctrl (and Shift) held.
bool PressShortcut(HACCEL shortcuts, UINT key, bool shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    MSG message{Editor().window, WM_KEYDOWN, key, 1, 0, {}};
    const bool used = TranslateMainMessage(Editor(), shortcuts, message);
    keys[VK_CONTROL] = keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    return used;
}

TEST_F(MainWindowTest, UndoAndRedoRestoreTheDocumentAndTheirMenuItemsFollow) {
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    EXPECT_FALSE(MenuEnabled(IDM_REDO));
    ShowTestDocument({{constantElement(1, 5), constantElement(2, 5)}, 0, 0, 0.01});
    ApplyStep(Editor(), deleteElement(Editor().model.document(), 0));
    EXPECT_TRUE(MenuEnabled(IDM_UNDO));

    Command(IDM_UNDO);
    EXPECT_EQ(Editor().model.document().elements.size(), 2u);
    EXPECT_EQ(ListCellText(FindControl(Editor().window, IDC_ELEMENT_LIST), 1, 0), "2");
    EXPECT_EQ(SelectedIndex(), 0); // the row the undo brought back
    EXPECT_TRUE(MenuEnabled(IDM_REDO));
    Command(IDM_REDO);
    EXPECT_EQ(Editor().model.document().elements.size(), 1u);
    EXPECT_FALSE(MenuEnabled(IDM_REDO));

    // Back before the load: nothing chosen, and the combos say so.
    Command(IDM_UNDO);
    Command(IDM_UNDO);
    EXPECT_FALSE(MenuEnabled(IDM_UNDO));
    EXPECT_EQ(SendMessageW(FindControl(Editor().window, IDC_OUTPUT_RANGE), CB_GETCURSEL, 0, 0),
              CB_ERR);
}

TEST_F(MainWindowTest, ShortcutKeysReachTheirCommands) {
    HACCEL shortcuts = LoadAcceleratorsW(AppInstance, L"TOPACCEL");
    ASSERT_NE(shortcuts, nullptr);
    ACCEL table[32] = {};
    const int count = CopyAcceleratorTableW(shortcuts, table, 32);
    std::vector<std::vector<int>> keys;
    for (int i = 0; i < count; ++i)
        keys.push_back({table[i].key, table[i].fVirt & (FCONTROL | FSHIFT | FALT), table[i].cmd});
    const std::vector<std::vector<int>> expected = {{'Z', FCONTROL, IDM_UNDO},
                                                    {'Y', FCONTROL, IDM_REDO},
                                                    {'Z', FCONTROL | FSHIFT, IDM_REDO},
                                                    {'S', FCONTROL, IDM_SAVE_OVER},
                                                    {'O', FCONTROL, IDM_LOAD_SETTINGS},
                                                    {'E', FCONTROL, IDM_EXPORT_CSV},
                                                    {'I', FCONTROL, IDM_IMPORT},
                                                    {VK_F1, 0, IDM_HELP},
                                                    {'X', FCONTROL, IDM_CUT},
                                                    {'C', FCONTROL, IDM_COPY},
                                                    {'V', FCONTROL, IDM_PASTE},
                                                    {'D', FCONTROL, IDM_DUPLICATE},
                                                    {VK_UP, FALT, IDM_MOVE_UP},
                                                    {VK_DOWN, FALT, IDM_MOVE_DOWN},
                                                    {'A', FCONTROL, IDM_SELECT_ALL},
                                                    {'R', FCONTROL, IDM_REPEAT},
                                                    {'G', FCONTROL, IDM_GENERATE_AGAIN},
                                                    {'C', FCONTROL | FSHIFT, IDM_COPY_CHART}};
    EXPECT_EQ(keys, expected);

    ShowTestDocument({{constantElement(1, 5)}, 0, 0, 0.01});
    Editor().model.apply(deleteElement(Editor().model.document(), 0));
    EXPECT_TRUE(PressShortcut(shortcuts, 'Z', false));
    EXPECT_EQ(Editor().model.document().elements.size(), 1u);
    EXPECT_TRUE(PressShortcut(shortcuts, 'Z', true));
    EXPECT_TRUE(Editor().model.document().elements.empty());
}

TEST_F(MainWindowTest, StatusBarShowsFileTimeAndCounts) {
    EXPECT_EQ(StatusPartText(StatusPart::File), "無題");
    ShowTestDocument({{constantElement(1, 80), constantElement(2, 5)}, 0, 3, 0.001});
    EXPECT_EQ(StatusPartText(StatusPart::Time), "85.000 秒 / 90 秒");
    EXPECT_EQ(StatusPartText(StatusPart::Counts), "2 要素 / 85,001 点");
    Command(IDC_DELETE); // nothing selected: no change
    EXPECT_EQ(StatusPartText(StatusPart::File), "無題");
    SelectRows(0, 1);
    Command(IDC_DELETE);
    EXPECT_EQ(StatusPartText(StatusPart::File), "無題 (変更あり)");
}

// The close box, Alt+F4 and the system menu all arrive as WM_CLOSE.
TEST_F(MainWindowTest, ClosingWithUnsavedChangesAsks) {
    ShowTestDocument({{constantElement(1, 5), constantElement(2, 5)}, 0, 0, 0.01});
    Editor().model.apply(deleteElement(Editor().model.document(), 0));
    const struct {
        std::vector<DialogAction> answers;
        bool closed;
    } rounds[] = {
        {{PressButton(IDCANCEL)}, false},
        {{PressButton(IDYES), PressButton(IDCANCEL)}, false}, // no file yet: asks where
        {{PressButton(IDNO)}, true},
    };
    for (const auto& round : rounds) {
        DialogAnswerer answer(round.answers);
        SendMessageW(Editor().window, WM_SYSCOMMAND, SC_CLOSE, 0);
        const auto seen = answer.finish();
        ASSERT_EQ(seen.size(), round.answers.size());
        EXPECT_EQ(seen[0].title, "確認");
        EXPECT_EQ(seen[0].text, "変更を保存しますか?");
        EXPECT_EQ(IsWindow(Editor().window) == FALSE, round.closed);
    }
    EXPECT_TRUE(PumpMessages());
}

TEST_F(MainWindowTest, MenuExportIsRoutedToTheExportCommand) {
    DialogAnswerer answer(PressButton(IDOK));
    Command(IDM_EXPORT_CSV);
    const auto seen = answer.finish();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "エラー");
    EXPECT_EQ(seen[0].text, "出力できるデータがありません。");
}

// Every control of the main window reaches its handler through the window procedure.

void ChooseListEntry(int comboId, int position) {
    HWND combo = FindControl(Editor().window, comboId);
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(position), 0);
    SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

TEST_F(MainWindowTest, SelectionListsReachTheirHandlers) {
    ChooseListEntry(IDC_OUTPUT_RANGE, 1);
    EXPECT_EQ(Editor().model.document().rangeCode, rangeCodeAtPosition(1));
    ChooseListEntry(IDC_RESOLUTION, 1);
    EXPECT_EQ(Editor().model.document().resolutionCode, resolutionCodeAtPosition(1));
    ChooseListEntry(IDC_DISPLAY_PERIOD, InitialDisplayPeriod + 1);
    EXPECT_EQ(Editor().chart.canvas.displaySpan, displayPeriod(InitialDisplayPeriod + 1).span);
}

TEST_F(MainWindowTest, ListSelectionUpdatesTheButtons) {
    ChooseListEntry(IDC_OUTPUT_RANGE, 1);
    ChooseListEntry(IDC_RESOLUTION, 1);
    ShowTestElements({constantElement(1, 5), constantElement(2, 5)});
    EXPECT_FALSE(IsWindowEnabled(FindControl(Editor().window, IDC_DELETE)));
    SelectRow(1);
    EXPECT_TRUE(IsWindowEnabled(FindControl(Editor().window, IDC_DELETE)));
}

TEST_F(MainWindowTest, DeleteButtonRemovesTheSelectedElement) {
    ChooseListEntry(IDC_OUTPUT_RANGE, 1);
    ChooseListEntry(IDC_RESOLUTION, 1);
    ShowTestElements({constantElement(1, 5), constantElement(2, 5)});
    SelectRow(0);
    Command(IDC_DELETE);
    ASSERT_EQ(Editor().model.document().elements.size(), 1u);
    EXPECT_EQ(Editor().model.document().elements[0].params[0], 2);
}

TEST_F(MainWindowTest, ButtonsOpenTheParameterDialog) {
    ChooseListEntry(IDC_OUTPUT_RANGE, 1);
    ChooseListEntry(IDC_RESOLUTION, 1);
    ShowTestElements({constantElement(1, 5)});
    for (int button : {IDC_APPEND, IDC_INSERT, IDC_EDIT}) {
        SelectRow(0);
        DialogAnswerer answer(PressButton(IDC_PARAM_CANCEL));
        Command(button);
        const auto seen = answer.finish();
        ASSERT_EQ(seen.size(), 1u) << "button " << button;
        EXPECT_EQ(seen[0].title, "パラメータ編集") << "button " << button;
    }
    EXPECT_EQ(Editor().model.document().elements.size(), 1u);
}

// The file dialog of a settings command, cancelled; what it showed.
SeenDialog CancelledFileDialog(int command) {
    DialogAnswerer answer(PressButton(IDCANCEL));
    SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    const auto seen = answer.finish();
    return seen.empty() ? SeenDialog{} : seen[0];
}

bool Offers(const SeenDialog& dialog, const std::string& name) {
    for (const auto& [id, text] : dialog.controlTexts) {
        if (text == name) {
            return true;
        }
    }
    return false;
}

TEST_F(MainWindowTest, SettingsCommandsOpenTheirFileDialogs) {
    // Loading into an empty document asks nothing before its dialog.
    EXPECT_FALSE(CancelledFileDialog(IDM_LOAD_SETTINGS).controlTexts.empty());

    ChooseListEntry(IDC_OUTPUT_RANGE, 1);
    ChooseListEntry(IDC_RESOLUTION, 1);
    ShowTestElements({constantElement(1, 5)});
    EXPECT_TRUE(Offers(CancelledFileDialog(IDM_SAVE_SETTINGS), "QZ57output.dat"));
}

HWND FindHelpViewer() {
    HWND viewer = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t className[32] = {};
            GetClassNameW(window, className, 32);
            if (std::wstring(className) == L"HH Parent" && IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(found) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&viewer));
    return viewer;
}

// The build puts the help file beside the tests too, so the real viewer can open it.
TEST_F(MainWindowTest, MenuHelpOpensTheHelpFileWithoutAMessage) {
    const bool built =
        GetFileAttributesW(HelpFilePath(Language::Japanese).c_str()) != INVALID_FILE_ATTRIBUTES;
    DialogAnswerer answer(PressButton(IDOK), Briefly);
    Command(IDM_HELP);
    HWND viewer = nullptr;
    for (int wait = 0; built && wait < 100 && viewer == nullptr; ++wait) {
        PumpMessages();
        viewer = FindHelpViewer();
        Sleep(50);
    }
    EXPECT_TRUE(answer.finish().empty());
    if (!built) {
        GTEST_SKIP() << "no help file built";
    }
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(GetWindow(viewer, GW_OWNER), nullptr);
    DestroyWindow(viewer);
    PumpMessages();
}

TEST(HelpFile, IsLookedForBesideTheProgramFile) {
    wchar_t program[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring folder(program, length);
    folder.erase(folder.find_last_of(L'\\') + 1);

    EXPECT_EQ(HelpFilePath(Language::Japanese), folder + L"QZ57editor.chm");
    EXPECT_EQ(HelpFilePath(Language::English), folder + L"QZ57editor-en.chm");
}

// A key of the test's own naming a library, removed again at the end.
class LibraryKey {
  public:
    static constexpr wchar_t Name[] = L"Software\\QZ57 tests\\InprocServer32";

    LibraryKey(DWORD type, const std::wstring& path) {
        RegCreateKeyExW(HKEY_CURRENT_USER, Name, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_,
                        nullptr);
        RegSetValueExW(key_, nullptr, 0, type, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    }
    ~LibraryKey() {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\QZ57 tests");
    }
    LibraryKey(const LibraryKey&) = delete;
    LibraryKey& operator=(const LibraryKey&) = delete;

  private:
    HKEY key_ = nullptr;
};

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, length);
}

TEST(HelpControl, RegisteredPathIsExpanded) {
    LibraryKey key(REG_EXPAND_SZ, L"%SystemRoot%\\system32\\hhctrl.ocx");
    EXPECT_EQ(LibraryPathFromRegistry(HKEY_CURRENT_USER, LibraryKey::Name),
              SystemFolder() + L"\\hhctrl.ocx");
}

TEST(HelpControl, RegisteredFullPathIsTakenAsItStands) {
    LibraryKey key(REG_SZ, L"D:\\Programs\\hhctrl.ocx");
    EXPECT_EQ(LibraryPathFromRegistry(HKEY_CURRENT_USER, LibraryKey::Name),
              L"D:\\Programs\\hhctrl.ocx");
}

TEST(HelpControl, RegisteredRelativeNameIsNotTrusted) {
    LibraryKey key(REG_SZ, L"hhctrl.ocx");
    EXPECT_EQ(LibraryPathFromRegistry(HKEY_CURRENT_USER, LibraryKey::Name), L"");
}

TEST(HelpControl, MissingRegistrationGivesNoPath) {
    EXPECT_EQ(LibraryPathFromRegistry(HKEY_CURRENT_USER, LibraryKey::Name), L"");
}

// The help control's wide entry point, reached by ordinal.
TEST(HelpFile, ControlExportFifteenIsHtmlHelpW) {
    HMODULE control = LoadLibraryExW(L"hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (control == nullptr) {
        GTEST_SKIP() << "no HTML Help control on this system";
    }
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(control, MAKEINTRESOURCEA(15))),
              reinterpret_cast<void*>(GetProcAddress(control, "HtmlHelpW")));
    FreeLibrary(control);
}

// The controls' face must have the Japanese glyphs, or every label shows empty boxes.
TEST(UiFontGlyphs, CoverTheJapaneseTexts) {
    const ScopedFont font = CreateUiFont(96, Language::Japanese);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font.get());
    const std::wstring text = L"出力レンジ分解能/最大時間表示期間末尾に追加挿入編集削除";
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);

    for (size_t i = 0; i < text.size(); ++i) {
        EXPECT_NE(glyphs[i], 0xFFFF) << "character " << i;
    }
    EXPECT_EQ(metrics.tmCharSet, SHIFTJIS_CHARSET);
    EXPECT_EQ(metrics.tmHeight, 12);
}

class AboutBoxTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

// 0 stands for the caption's close box.
const int AboutCloseWays[] = {IDC_ABOUT_OK, VK_RETURN, VK_ESCAPE, 0};

TEST_P(AboutBoxTest, ShowsTheVersionAndCloses) {
    const int way = GetParam();
    DialogAction close = way == IDC_ABOUT_OK ? PressButton(IDC_ABOUT_OK)
                         : way == 0          ? PressCloseBox()
                                             : PressKey(static_cast<UINT>(way));
    DialogAnswerer answer(close);
    Command(IDM_ABOUT);
    const auto seen = answer.finish();

    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "バージョン情報");
    EXPECT_EQ(seen[0].controlTexts.at(IDC_ABOUT_TITLE), "TAMBREL QZ57 OutputEditor");
    EXPECT_EQ(seen[0].controlTexts.at(IDC_ABOUT_VERSION), "バージョン 1.10");
    EXPECT_NE(seen[0].controlTexts.at(IDC_ABOUT_TEXT).find('\n'), std::string::npos);
    EXPECT_EQ(seen[0].controlTexts.at(IDC_ABOUT_OK), "OK");
    EXPECT_FALSE(PumpMessages());
}

INSTANTIATE_TEST_SUITE_P(ClosedBy, AboutBoxTest, ::testing::ValuesIn(AboutCloseWays));

} // namespace
