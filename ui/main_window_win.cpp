#include "ui/main_window_win.h"

#include "resources/resource.h"
#include "ui/about_box_win.h"
#include "ui/app_state_win.h"
#include "ui/chart_links_win.h"
#include "ui/element_commands_win.h"
#include "ui/export_command_win.h"
#include "ui/help_win.h"
#include "ui/message_box_win.h"
#include "ui/settings_commands_win.h"

#include <commctrl.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

// The font grows in steps with the screen's dpi, from 12 pixels at 96 dpi.
constexpr struct {
    int belowDpi;
    int height;
} FontSteps[] = {{112, 12}, {128, 14}, {144, 16}, {160, 18}};
constexpr int LargestFontHeight = 20;

void OnExitCommand(HWND window) {
    if (AskYesNo(window, "保存していないデータは失われますがよろしいですか?", "終了確認")) {
        PostQuitMessage(0);
    }
}

// The close box, Alt+F4 and the system menu: unsaved work is not thrown away without a word. An
// empty list cannot be saved, so it is not asked about.
void OnClose(EditorWindow& editor) {
    const EditorModel& model = editor.model;
    if (model.modified() && !model.document().elements.empty()) {
        const int answer = ShowMessage(editor.window, "変更を保存しますか?", "確認",
                                       MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL || (answer == IDYES && !CmdSaveOver(editor.window, editor.model))) {
            UpdateStatusBar(editor);
            return;
        }
    }
    DestroyWindow(editor.window);
}

// The window grows by the status bar's height, so every other control keeps its place.
void MakeRoomForStatusBar(const EditorWindow& editor) {
    RECT bar{};
    if (editor.controls.statusBar == nullptr || !GetWindowRect(editor.controls.statusBar, &bar))
        return;
    RECT frame{};
    GetWindowRect(editor.window, &frame);
    SetWindowPos(editor.window, nullptr, 0, 0, frame.right - frame.left,
                 frame.bottom - frame.top + (bar.bottom - bar.top),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(editor.controls.statusBar, WM_SIZE, 0, 0);
}

bool OnCreate(EditorWindow& editor) {
    InitCommonControls();
    if (!CreateCanvasPane(editor.window, editor.dpi, editor.chart)) {
        return false;
    }
    CreateMainControls(editor);
    MakeRoomForStatusBar(editor);
    // Settings files dropped from Explorer are loaded.
    DragAcceptFiles(editor.window, TRUE);
    return true;
}

// Several files dropped at once: the first is loaded, as 設定読込 would.
void OnDropFiles(EditorWindow& editor, HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length, L'\0');
    DragQueryFileW(drop, 0, path.data(), length + 1);
    DragFinish(drop);
    if (length == 0 || !MayReplaceDocument(editor.window, editor.model)) {
        return;
    }
    if (LoadSettingsFrom(editor.window, editor.model, std::filesystem::path(path))) {
        ShowDocument(editor);
    }
}

// Alt+↑ and Alt+↓ open a drop-down list that has the focus; elsewhere they move rows.
bool OpensDropDown(const MSG& message) {
    if (message.message != WM_SYSKEYDOWN ||
        (message.wParam != VK_UP && message.wParam != VK_DOWN)) {
        return false;
    }
    wchar_t className[16] = {};
    GetClassNameW(message.hwnd, className, 16);
    return lstrcmpiW(className, L"ComboBox") == 0;
}

void ShowStepRows(EditorWindow& editor, const std::optional<RowSpan>& rows) {
    if (!rows) {
        return;
    }
    ShowDocument(editor);
    SelectRows(editor.controls, rows->first, rows->count);
}

void OnSaved(EditorWindow& editor, bool saved) {
    if (saved) {
        UpdateStatusBar(editor);
    }
}

// Menu commands and buttons act whatever their notification code; true when one was handled.
bool OnCommand(EditorWindow& editor, int id) {
    HWND window = editor.window;
    switch (id) {
    case IDM_EXIT:
        OnExitCommand(window);
        return true;
    case IDM_EXPORT_CSV:
        CmdExportCsv(window, editor.model);
        return true;
    case IDM_SAVE_OVER:
        OnSaved(editor, CmdSaveOver(window, editor.model));
        return true;
    case IDM_SAVE_SETTINGS:
        OnSaved(editor, CmdSaveSettings(window, editor.model));
        return true;
    case IDM_LOAD_SETTINGS:
        if (CmdLoadSettings(window, editor.model)) {
            ShowDocument(editor);
        }
        return true;
    case IDM_UNDO:
        ShowStepRows(editor, editor.model.undo());
        return true;
    case IDM_REDO:
        ShowStepRows(editor, editor.model.redo());
        return true;
    case IDM_HELP:
        ShowHelp();
        return true;
    case IDM_ABOUT:
        ShowAboutBox(window);
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
        if (GetFocus() == editor.controls.elementList) {
            OnEditButton(editor);
        }
        return true;
    default:
        return RunElementCommand(editor, id);
    }
}

void OnContextMenu(EditorWindow& editor, HWND target, LPARAM at) {
    if (target != editor.controls.elementList) {
        return;
    }
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    // From the keyboard (Shift+F10, the menu key) the point is -1, -1: show it at the selection.
    if (point.x == -1 && point.y == -1) {
        RECT row{LVIR_BOUNDS, 0, 0, 0};
        const int selected = std::max(SelectedIndex(editor.controls), 0);
        SendMessageW(target, LVM_GETITEMRECT, static_cast<WPARAM>(selected),
                     reinterpret_cast<LPARAM>(&row));
        point = {row.left, row.bottom};
        ClientToScreen(target, &point);
    }
    ShowListMenu(editor, point);
}

void OnSelectionChange(EditorWindow& editor, int id) {
    switch (id) {
    case IDC_DISPLAY_PERIOD:
        OnDisplayPeriodChanged(editor);
        break;
    case IDC_OUTPUT_RANGE:
        OnOutputRangeChanged(editor);
        break;
    case IDC_RESOLUTION:
        OnResolutionChanged(editor);
        break;
    default:
        break;
    }
}

LRESULT HandleEditorMessage(EditorWindow& editor, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = editor.window;
    switch (message) {
    case WM_CREATE:
        if (!OnCreate(editor)) {
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
    case WM_SHOW_SELECTION:
        ShowSelectionOnChart(editor);
        return 0;
    case WM_INITMENU:
    case WM_INITMENUPOPUP:
        // Shortcut keys send WM_INITMENU too, so their items are up to date when checked.
        UpdateMenuStates(editor);
        break;
    case WM_DROPFILES:
        OnDropFiles(editor, reinterpret_cast<HDROP>(wParam));
        return 0;
    case WM_CONTEXTMENU:
        OnContextMenu(editor, reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR*>(lParam)->idFrom == IDC_ELEMENT_LIST) {
            return OnElementListNotify(editor, *reinterpret_cast<NMHDR*>(lParam));
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
            auto* editor = static_cast<EditorWindow*>(
                reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
            editor->window = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(editor));
        }
        EditorWindow* editor = EditorOf(window);
        if (editor == nullptr) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        return HandleEditorMessage(*editor, message, wParam, lParam);
    } catch (...) {
        // A window that fails while being created is not created at all.
        return message == WM_CREATE ? -1 : 0;
    }
}

void EnableMenuCommand(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

} // namespace

EditorWindow::~EditorWindow() {
    if (window != nullptr) {
        DestroyWindow(window);
    }
    if (font != nullptr) {
        DeleteObject(font);
    }
}

EditorWindow* EditorOf(HWND window) {
    wchar_t className[16] = {};
    if (window == nullptr || GetClassNameW(window, className, 16) == 0 ||
        lstrcmpW(className, MainClassName) != 0) {
        return nullptr;
    }
    return reinterpret_cast<EditorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void UpdateMenuStates(EditorWindow& editor) {
    HMENU menu = GetMenu(editor.window);
    if (menu == nullptr) {
        return;
    }
    EnableMenuCommand(menu, IDM_UNDO, editor.model.canUndo());
    EnableMenuCommand(menu, IDM_REDO, editor.model.canRedo());
    UpdateElementCommandStates(editor, menu);
}

SIZE MainWindowSize(int dpi) {
    return {ScaleForDpi(1000, dpi), ScaleForDpi(700, dpi)};
}

int UiFontHeight(int dpi) {
    for (const auto& step : FontSteps) {
        if (dpi < step.belowDpi) {
            return step.height;
        }
    }
    return LargestFontHeight;
}

HFONT CreateUiFont(int dpi) {
    return CreateFontW(UiFontHeight(dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                       FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック");
}

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

HWND CreateMainWindow(HINSTANCE instance, int dpi, EditorWindow& editor) {
    editor.dpi = dpi;
    editor.font = CreateUiFont(dpi);
    const SIZE size = MainWindowSize(dpi);
    // No sizing border and no maximize box: the layout is fixed.
    return CreateWindowExW(0, MainClassName, MainWindowTitle,
                           WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                           size.cx, size.cy, nullptr, nullptr, instance, &editor);
}

void OpenCommandLineFile(EditorWindow& editor, const wchar_t* commandLine) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr) {
        return;
    }
    const std::filesystem::path path = count > 1 ? arguments[1] : L"";
    LocalFree(arguments);
    if (lstrcmpiW(path.extension().c_str(), L".dat") == 0 &&
        LoadSettingsFrom(editor.window, editor.model, path)) {
        ShowDocument(editor);
    }
}

void RunMessageLoop(EditorWindow& editor) {
    HACCEL shortcuts = LoadAcceleratorsW(AppInstance, L"TOPACCEL");
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateMainMessage(editor, shortcuts, message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

bool TranslateMainMessage(EditorWindow& editor, HACCEL shortcuts, MSG& message) {
    HWND window = editor.window;
    if (window == nullptr) {
        return false;
    }
    SendWheelToChart(editor, message);
    // Shortcuts only while no dialog or message box of the editor is in front.
    const bool inMain = message.hwnd == window || IsChild(window, message.hwnd);
    if (inMain && shortcuts != nullptr && !OpensDropDown(message) &&
        TranslateAcceleratorW(window, shortcuts, &message)) {
        return true;
    }
    return IsDialogMessageW(window, &message) != 0;
}
