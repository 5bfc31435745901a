#include "ui/message_box_win.h"

#include "ui/text_win.h"

int ShowMessage(HWND owner, std::string_view text, std::string_view title, UINT type) {
    return MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(), type);
}

void ShowError(HWND owner, Language language, std::string_view message) {
    ShowMessage(owner, message, text(TextId::TitleError, language), MB_OK);
}

bool AskYesNo(HWND owner, Language language, TextId question, TextId title) {
    return ShowMessage(owner, text(question, language), text(title, language),
                       MB_YESNO | MB_ICONQUESTION) != IDNO;
}

void ShowBudgetExceeded(HWND owner, Language language) {
    ShowError(owner, language, text(TextId::BudgetExceeded, language));
}
