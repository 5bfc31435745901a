#include "ui/message_loop_win.h"

#include "ui/app_state_win.h"

#include <windowsx.h>

namespace {

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

// The wheel goes to the window with the focus; over the chart it turns the chart instead.
void SendWheelToChart(const EditorWindow& editor, MSG& message) {
    if (message.message != WM_MOUSEWHEEL)
        return;
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (WindowFromPoint(at) == editor.chart.canvasWindow)
        message.hwnd = editor.chart.canvasWindow;
}

} // namespace

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
