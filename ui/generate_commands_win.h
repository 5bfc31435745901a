// The Generate menu and Edit > Repeat: elements made by a generator or by repeating the selected
// ones, inserted as one step of the history.
#pragma once

#include "files/generator_form.h"
#include "ui/editor_window_win.h"

#include <optional>

// Opens the generator dialog with this generator, or with the last one used (Ctrl+G); OK inserts
// its elements before the active row (or appends them) and selects them.
void CmdGenerate(EditorWindow& editor, std::optional<GeneratorKind> kind);

// Asks how often the selected elements are to occur and repeats them after the last selected row.
void CmdRepeat(EditorWindow& editor);
