#include "ui/about_box_win.h"

#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/text_win.h"
#include "version.h"

namespace {

void OnAboutInit(HWND dialog) {
    SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, Widen("バージョン " QZ57_VERSION_TEXT).c_str());
}

INT_PTR HandleAboutMessage(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnAboutInit(dialog);
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
        case IDC_ABOUT_OK:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    try {
        return HandleAboutMessage(dialog, message, wParam);
    } catch (...) {
        return FALSE;
    }
}

} // namespace

void ShowAboutBox(HWND owner) {
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDlgProc, 0);
}
