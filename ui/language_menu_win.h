#pragma once

#include "model/texts.h"

#include <windows.h>

#include <optional>
#include <string_view>

// Gives a menu item a text, the item named by its command or, with byPosition, its position.
void SetMenuItemText(HMENU menu, UINT item, bool byPosition, std::string_view text);

// Help > Language: a submenu with 日本語 (IDM_LANGUAGE_JAPANESE) and English
// (IDM_LANGUAGE_ENGLISH), the one in use checked. Appended to the help menu once.
void AddLanguageMenu(HMENU helpMenu, Language inUse);

// Moves the check mark to the language in use and gives the submenu's title the language's text.
void ShowLanguageInMenu(HMENU helpMenu, Language inUse);

// The language a command chooses; none for every other command.
std::optional<Language> LanguageOfCommand(int command);
