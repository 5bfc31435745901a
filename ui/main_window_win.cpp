#include "ui/main_window_win.h"

#include "resources/resource.h"
#include "ui/about_box_win.h"
#include "ui/app_state_win.h"
#include "ui/chart_picture_win.h"
#include "ui/document_commands_win.h"
#include "ui/editor_recovery_win.h"
#include "ui/editor_refresh_win.h"
#include "ui/element_commands_win.h"
#include "ui/export_command_win.h"
#include "ui/generate_commands_win.h"
#include "ui/help_win.h"
#include "ui/import_command_win.h"
#include "ui/language_menu_win.h"
#include "ui/language_switch_win.h"
#include "ui/main_layout.h"
#include "ui/menu_texts_win.h"
#include "ui/message_box_win.h"
#include "ui/open_files_win.h"
#include "ui/reference_commands_win.h"
#include "ui/settings_commands_win.h"
#include "ui/text_win.h"
#include "ui/ui_font_win.h"
#include "ui/wait_cursor_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <filesystem>
#include <optional>
#include <string>

namespace {

void OnExitCommand(EditorWindow& editor) {
    if (AskYesNo(editor.window, editor.language, TextId::AskExit, TextId::TitleExit)) {
        GiveUpRecoveryCopy(editor);
        PostQuitMessage(0);
    }
}

// The close box, Alt+F4 and the system menu: unsaved work is not thrown away without a word. An
// empty list cannot be saved, so it is not asked about.
void OnClose(EditorWindow& editor) {
    const EditorModel& model = editor.model;
    if (model.modified() && !model.document().elements.empty()) {
        const int answer = ShowMessage(editor.window, text(TextId::AskSaveChanges, editor.language),
                                       text(TextId::TitleConfirm, editor.language),
                                       MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL ||
            (answer == IDYES && !CmdSaveOver(editor.window, editor.language, editor.model))) {
            Refresh(editor, FilePart);
            return;
        }
    }
    // Saved, unchanged or given up: nothing is left to recover.
    GiveUpRecoveryCopy(editor);
    DestroyWindow(editor.window);
}

// The window grows by the status bar's rows, so every other control keeps its place.
void MakeRoomForStatusBar(const EditorWindow& editor) {
    const StatusBar& bar = editor.controls.statusBar;
    if (bar.window() == nullptr)
        return;
    RECT frame{};
    GetWindowRect(editor.window, &frame);
    SetWindowPos(editor.window, nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + bar.height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    bar.fitToParent();
}

bool OnCreate(MainWindow& main) {
    EditorWindow& editor = main.editor;
    InitCommonControls();
    StartRecoveryCopies(editor);
    if (!CreateCanvasPane(editor.window, editor.dpi, main.events, editor.chart)) {
        return false;
    }
    editor.chart.language = editor.language;
    CreateMainControls(editor.window, editor.font.get(), editor.dpi, editor.language,
                       editor.controls);
    if (HMENU bar = GetMenu(editor.window)) {
        AddLanguageMenu(GetSubMenu(bar, HelpMenuPosition), editor.language);
        ShowMenuBarTexts(bar, editor.language);
    }
    Refresh(editor, DocumentPart);
    MakeRoomForStatusBar(editor);
    // Settings files dropped from Explorer are loaded.
    DragAcceptFiles(editor.window, TRUE);
    return true;
}

void OnSaved(EditorWindow& editor, bool saved) {
    if (saved) {
        NoteDocumentChanged(editor);
        Refresh(editor, FilePart);
    }
}

// Commands that act on any number of rows without asking first: on tens of thousands of rows they
// take a moment on a slow machine. The wait cursor flashes by unseen when they are quick.
bool ActsOnManyRows(int id) {
    switch (id) {
    case IDM_UNDO:
    case IDM_REDO:
    case IDM_CUT:
    case IDM_COPY:
    case IDM_PASTE:
    case IDM_DUPLICATE:
    case IDM_REPEAT:
    case IDM_MOVE_UP:
    case IDM_MOVE_DOWN:
    case IDM_SELECT_ALL:
    case IDC_DELETE:
        return true;
    default:
        return false;
    }
}

// Menu commands and buttons act whatever their notification code; true when one was handled.
bool OnCommand(EditorWindow& editor, int id) {
    HWND window = editor.window;
    const Language language = editor.language;
    const WaitCursor wait(window, ActsOnManyRows(id));
    switch (id) {
    case IDM_EXIT:
        OnExitCommand(editor);
        return true;
    case IDM_EXPORT_CSV:
        CmdExportCsv(window, language, editor.model);
        return true;
    case IDM_SAVE_OVER:
        OnSaved(editor, CmdSaveOver(window, language, editor.model));
        return true;
    case IDM_SAVE_SETTINGS:
        OnSaved(editor, CmdSaveSettings(window, language, editor.model));
        return true;
    case IDM_LOAD_SETTINGS:
        LoadDocument(editor, CmdLoadSettings(window, language, editor.model));
        return true;
    case IDM_IMPORT:
        CmdImport(editor);
        return true;
    case IDM_UNDO:
        ChangeDocument(editor, [](EditorModel& model) { return model.undo(); });
        return true;
    case IDM_GENERATE_STAIRCASE:
    case IDM_GENERATE_SWEEP:
    case IDM_GENERATE_FORMULA:
    case IDM_GENERATE_START:
    case IDM_GENERATE_DIPS:
        CmdGenerate(editor, static_cast<GeneratorKind>(id - IDM_GENERATE_STAIRCASE));
        return true;
    case IDM_GENERATE_AGAIN:
        CmdGenerate(editor, std::nullopt);
        return true;
    case IDM_REPEAT:
        CmdRepeat(editor);
        return true;
    case IDM_OPEN_REFERENCE:
        CmdOpenReference(editor);
        return true;
    case IDM_CLOSE_REFERENCE:
        CmdCloseReference(editor);
        return true;
    case IDM_COPY_CHART:
        CmdCopyChart(window, language, editor.chart);
        return true;
    case IDM_SAVE_CHART_PICTURE:
        CmdSaveChartPicture(window, language, editor.chart);
        return true;
    case IDM_REDO:
        ChangeDocument(editor, [](EditorModel& model) { return model.redo(); });
        return true;
    case IDM_HELP:
        ShowHelp(editor.language);
        return true;
    case IDM_ABOUT:
        ShowAboutBox(window, language);
        return true;
    case IDC_APPEND:
        OnAppendButton(editor);
        return true;
    case IDC_EDIT:
        OnEditButton(editor);
        return true;
    case IDC_INSERT:
        OnInsertButton(editor);
        return true;
    case IDC_DELETE:
        OnDeleteButton(editor);
        return true;
    case IDOK:
        // Enter, as the keyboard's dialog handling reports it: on the list, it edits the row.
        if (GetFocus() == editor.controls.elementList.window()) {
            OnEditButton(editor);
        }
        return true;
    default:
        if (const std::optional<Language> language = LanguageOfCommand(id)) {
            SwitchLanguage(editor, *language);
            return true;
        }
        return RunElementCommand(editor, id);
    }
}

void OnContextMenu(EditorWindow& editor, HWND target, LPARAM at) {
    const ElementListView& list = editor.controls.elementList;
    if (target != list.window()) {
        return;
    }
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    // From the keyboard (Shift+F10, the menu key) the point is -1, -1: show it at the selection.
    if (point.x == -1 && point.y == -1) {
        point = list.pointBelowRow(std::max(firstRow(editor.selection), 0));
    }
    ShowListMenu(editor, point);
}

void OnSelectionChange(EditorWindow& editor, int id) {
    switch (id) {
    case IDC_DISPLAY_PERIOD:
        OnDisplayPeriodChosen(editor);
        break;
    case IDC_OUTPUT_RANGE:
        OnOutputRangeChosen(editor);
        break;
    case IDC_RESOLUTION:
        OnResolutionChosen(editor);
        break;
    default:
        break;
    }
}

void OnSelectionRefresh(EditorWindow& editor) {
    editor.selectionRefreshPending = false;
    Refresh(editor, SelectionPart);
}

LRESULT HandleEditorMessage(MainWindow& main, UINT message, WPARAM wParam, LPARAM lParam) {
    EditorWindow& editor = main.editor;
    HWND window = editor.window;
    switch (message) {
    case WM_CREATE:
        if (!OnCreate(main)) {
            return -1;
        }
        break;
    case WM_CLOSE:
        OnClose(editor);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        editor.window = nullptr;
        break;
    case WM_REFRESH_SELECTION:
        OnSelectionRefresh(editor);
        return 0;
    case WM_TIMER:
        if (wParam == RecoveryTimerId) {
            OnRecoveryTimer(editor);
            return 0;
        }
        break;
    case WM_RECOVERY_WRITTEN:
        OnRecoveryWritten(editor, wParam != 0);
        return 0;
    case WM_QUERYENDSESSION:
        return OnQueryEndSession(editor);
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
        // Shortcut keys send WM_INITMENU too, so their items are up to date when checked; the
        // clipboard may have changed since the last refresh.
        Refresh(editor, MenuPart);
        break;
    case WM_DROPFILES:
        OpenDroppedFiles(editor, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_CONTEXTMENU:
        OnContextMenu(editor, reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->idFrom == IDC_ELEMENT_LIST) {
            return editor.controls.elementList.onNotify(*reinterpret_cast<NMHDR*>(lParam),
                                                        main.events);
        }
        break;
    case WM_COMMAND:
        if (OnCommand(editor, LOWORD(wParam))) {
            return 0;
        }
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            OnSelectionChange(editor, LOWORD(wParam));
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_NCCREATE) {
            auto* main = static_cast<MainWindow*>(
                reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
            main->editor.window = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(main));
        }
        auto* main = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (main == nullptr) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        return HandleEditorMessage(*main, message, wParam, lParam);
    } catch (...) {
        // A window that fails while being created is not created at all.
        return message == WM_CREATE ? -1 : 0;
    }
}

} // namespace

int ReadScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

bool RegisterMainClass(HINSTANCE instance) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, L"MYICON");
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszMenuName = L"TOPMENU";
    windowClass.lpszClassName = MainClassName;
    return RegisterClassW(&windowClass) != 0;
}

HWND CreateMainWindow(HINSTANCE instance, int dpi, MainWindow& main) {
    EditorWindow& editor = main.editor;
    editor.dpi = dpi;
    editor.font = CreateUiFont(dpi, editor.language);
    const SIZE size = MainWindowSize(dpi, editor.language);
    // No sizing border and no maximize box: the layout is fixed.
    return CreateWindowExW(0, MainClassName,
                           Widen(text(TextId::WindowTitle, editor.language)).c_str(),
                           WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                           size.cx, size.cy, nullptr, nullptr, instance, &main);
}
