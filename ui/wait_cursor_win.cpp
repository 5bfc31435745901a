#include "ui/wait_cursor_win.h"

WaitCursor::WaitCursor(HWND window, bool mayTakeLong) : shown_(mayTakeLong) {
    if (!shown_)
        return;
    UpdateWindow(window);
    previous_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

WaitCursor::~WaitCursor() {
    if (shown_)
        SetCursor(previous_);
}
