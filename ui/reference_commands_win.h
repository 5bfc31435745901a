// File > Open reference and Close reference: a signal drawn under the document's to compare it
// with, which is no part of the document (never saved, exported or undone).
#pragma once

#include "ui/editor_window_win.h"

// Asks for a file the import reads or a settings file and shows it as the reference; a file that
// cannot be read is reported and the reference shown before stays.
void CmdOpenReference(EditorWindow& editor);

void CmdCloseReference(EditorWindow& editor);
