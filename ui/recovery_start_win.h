// The recovery copy offered at the program's start, which becomes the document through the one
// spot where the document changes.
#pragma once

#include "ui/editor_window_win.h"

// At the program's start, before anything else: offers the copy of an editor that ended with
// unsaved changes (see StartWithRecovery). True when a copy became the document.
bool RecoverAtStart(EditorWindow& editor, const wchar_t* commandLine);
