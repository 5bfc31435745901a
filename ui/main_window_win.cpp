#include "ui/main_window_win.h"

#include "files/export_command_win.h"
#include "files/settings_commands_win.h"
#include "resources/resource.h"
#include "ui/about_box_win.h"
#include "ui/app_state_win.h"
#include "ui/help_win.h"
#include "ui/main_controls_win.h"
#include "ui/message_box_win.h"

#include <commctrl.h>

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

bool OnCreate(HWND window) {
    MainWindow = window;
    InitCommonControls();
    MainCanvas = CreateCanvasPane(window, ScreenDpi);
    if (MainCanvas == nullptr) {
        return false;
    }
    OutputTrace = &MainCanvas->canvas.traces.front();
    CreateMainControls(window);
    return true;
}

void OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_ELEMENT_LIST && header.code == LVN_ITEMCHANGED) {
        UpdateButtonStates();
    }
}

// Menu commands and buttons act whatever their notification code; true when one was handled.
bool OnCommand(HWND window, int id) {
    switch (id) {
    case IDM_EXIT:
        OnExitCommand(window);
        return true;
    case IDM_EXPORT_CSV:
        CmdExportCsv(window);
        return true;
    case IDM_SAVE_SETTINGS:
        CmdSaveSettings();
        return true;
    case IDM_LOAD_SETTINGS:
        CmdLoadSettings();
        return true;
    case IDM_HELP:
        ShowHelp();
        return true;
    case IDM_ABOUT:
        ShowAboutBox(window);
        return true;
    case IDC_APPEND:
        OnAppendButton();
        return true;
    case IDC_EDIT:
        OnEditButton();
        return true;
    case IDC_INSERT:
        OnInsertButton();
        return true;
    case IDC_DELETE:
        OnDeleteButton();
        return true;
    default:
        return false;
    }
}

void OnSelectionChange(int id) {
    switch (id) {
    case IDC_DISPLAY_PERIOD:
        OnDisplayPeriodChanged();
        break;
    case IDC_OUTPUT_RANGE:
        OnOutputRangeChanged();
        break;
    case IDC_RESOLUTION:
        OnResolutionChanged();
        break;
    default:
        break;
    }
}

LRESULT HandleMainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (!OnCreate(window)) {
            return -1;
        }
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NOTIFY:
        OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        break;
    case WM_COMMAND:
        if (OnCommand(window, LOWORD(wParam))) {
            return 0;
        }
        if (HIWORD(wParam) == CBN_SELCHANGE) {
            OnSelectionChange(LOWORD(wParam));
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

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

HWND CreateMainWindow(HINSTANCE instance, int dpi) {
    const SIZE size = MainWindowSize(dpi);
    // No sizing border and no maximize box: the layout is fixed.
    HWND window = CreateWindowExW(
        0, MainClassName, MainWindowTitle, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
        CW_USEDEFAULT, size.cx, size.cy, nullptr, nullptr, instance, nullptr);
    MainWindow = window;
    return window;
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMainMessage(window, message, wParam, lParam);
    } catch (...) {
        // A window that fails while being created is not created at all.
        return message == WM_CREATE ? -1 : 0;
    }
}

void RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(MainWindow, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}
