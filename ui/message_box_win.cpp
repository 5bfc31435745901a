#include "ui/message_box_win.h"

#include "ui/text_win.h"

int ShowMessage(HWND owner, std::string_view text, std::string_view title, UINT type) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), type);
}

void ShowError(HWND owner, std::string_view text) {
    ShowMessage(owner, text, "エラー", MB_OK);
}

bool AskYesNo(HWND owner, std::string_view text, std::string_view title) {
    return ShowMessage(owner, text, title, MB_YESNO | MB_ICONQUESTION) != IDNO;
}

void ShowBudgetExceeded(HWND owner) {
    ShowError(owner, "現在の設定における総時間制限を超過していますので追加できません。");
}
