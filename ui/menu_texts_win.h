#pragma once

#include "model/texts.h"

#include <windows.h>

// The menu bar's help menu, from the left.
inline constexpr int HelpMenuPosition = 3;

// Gives every command of a menu (submenus included) its text in the language: the menu bar and
// the element list's right-click menu. The resource script keeps only their structure and ids.
void ShowMenuTexts(HMENU menu, Language language);

// The menu bar: its three menus' titles, their commands and Help > Language.
void ShowMenuBarTexts(HMENU bar, Language language);
