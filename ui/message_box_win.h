#pragma once

#include <windows.h>

#include <string_view>

// Every message of the program is a modal box with a Japanese text and title (UTF-8 here).
int ShowMessage(HWND owner, std::string_view text, std::string_view title, UINT type);

// A refusal or error: title "エラー", OK button only.
void ShowError(HWND owner, std::string_view text);

// A question with Yes and No; false only when the answer is No.
bool AskYesNo(HWND owner, std::string_view text, std::string_view title);

// The refusal of an element or a paste that would take the list past the resolution's maximum
// total time.
void ShowBudgetExceeded(HWND owner);
