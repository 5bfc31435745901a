#include "ui/about_box_win.h"

#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/text_win.h"
#include "version.h"

namespace {

void OnAboutInit(HWND dialog, Language language) {
    const std::string version = formatText(TextId::AboutVersion, language, {QZ57_VERSION_TEXT});
    SetDlgItemTextW(dialog, IDC_ABOUT_VERSION, Widen(version).c_str());
}

INT_PTR HandleAboutMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        OnAboutInit(dialog, static_cast<Language>(lParam));
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

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleAboutMessage(dialog, message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

} // namespace

void ShowAboutBox(HWND owner, Language language) {
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDlgProc,
                    static_cast<LPARAM>(language));
}
