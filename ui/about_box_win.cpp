#include "ui/about_box_win.h"

#include "resources/resource.h"
#include "ui/app_state_win.h"

#include <cwchar>

namespace {

void OnAboutInit(HWND dialog) {
    wchar_t version[100];
    std::swprintf(version, 100, L"バージョン %d.%02d", VersionMajor, VersionMinor);
    SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, version);
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
