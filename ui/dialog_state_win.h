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
