#pragma once

#include "model/texts.h"
#include "ui/editor_window_win.h"

// Help > Language: the editor speaks the language from now on, and the next start remembers it.
// Menus, labels, buttons, lists, the status bar and the chart change at once; a dialog open at
// the time keeps its own language. A choice that cannot be remembered still holds until the end.
void SwitchLanguage(EditorWindow& editor, Language language);
