#pragma once

#include <windows.h>

struct EditorWindow;

// Grays the commands of menu (the menu bar or the list's right-click menu) that cannot act now:
// nothing to undo or redo, nothing selected, nothing to paste, an empty list.
void ShowMenuStates(const EditorWindow& editor, HMENU menu);
