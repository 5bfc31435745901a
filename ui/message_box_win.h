#pragma once

#include "model/texts.h"

#include <windows.h>

#include <string_view>

// Every message of the program is a modal box with a text and a title (UTF-8 here) from the text
// table, in the editor's language.
int ShowMessage(HWND owner, std::string_view text, std::string_view title, UINT type);

// A refusal or error: title "エラー" (Error), OK button only.
void ShowError(HWND owner, Language language, std::string_view text);

// A question with Yes and No; false only when the answer is No.
bool AskYesNo(HWND owner, Language language, TextId question, TextId title);

// The refusal of an element or a paste that would take the list past the resolution's maximum
// total time.
void ShowBudgetExceeded(HWND owner, Language language);
