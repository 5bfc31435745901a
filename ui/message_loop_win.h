#pragma once

#include "ui/editor_window_win.h"

#include <windows.h>

// What the message loop does first with each message: the editor's shortcut keys, then the
// keyboard moving between its controls as in a dialog. True when the message was used.
bool TranslateMainMessage(EditorWindow& editor, HACCEL shortcuts, MSG& message);

// Runs until the quit message. The editor's shortcut keys work everywhere in the main window,
// and the keyboard moves between its controls as in a dialog.
void RunMessageLoop(EditorWindow& editor);
