// A modal dialog's state: the record its opener hands DialogBoxParam, kept in DWLP_USER.
#pragma once

#include <windows.h>

// Keeps the record WM_INITDIALOG brings and says whether the dialog has its record: controls may
// report before WM_INITDIALOG, and nothing is done for them then.
inline bool TakeDialogState(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    return GetWindowLongPtrW(dialog, DWLP_USER) != 0;
}

template <class State> State& DialogState(HWND dialog) {
    return *reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// What a modal dialog does with its messages: its first look, its controls' reports and, for a
// dialog with an owner-drawn preview, the preview's paint. The close box cancels.
struct DialogHandlers {
    void (*init)(HWND dialog);
    void (*command)(HWND dialog, int id, int code);
    int drawnControl = 0;
    void (*draw)(HWND dialog, const DRAWITEMSTRUCT& item) = nullptr;
};

// The dialog procedure's one switch, handing each message to its handler. Exceptions stop here:
// they never cross into user32.
inline INT_PTR HandleDialogMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                                   const DialogHandlers& handlers) {
    try {
        if (!TakeDialogState(dialog, message, lParam))
            return FALSE;
        switch (message) {
        case WM_INITDIALOG:
            handlers.init(dialog);
            return TRUE;
        case WM_COMMAND:
            handlers.command(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_DRAWITEM:
            if (handlers.draw == nullptr || static_cast<int>(wParam) != handlers.drawnControl)
                return FALSE;
            handlers.draw(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}
