// Files that come from outside the editor's own dialogs: dropped on the window or named on the
// command line.
#pragma once

#include "ui/editor_window_win.h"
#include "ui/settings_commands_win.h"

#include <shellapi.h>
#include <windows.h>

#include <optional>

// A settings file read whole becomes the document, as one step.
void LoadDocument(EditorWindow& editor, std::optional<LoadedSettings> loaded);

// Several files dropped at once: the first is loaded, as 設定読込 would, or imported when it is a
// point file.
void OpenDroppedFiles(EditorWindow& editor, HDROP drop);

// Opens the settings file the program was started with (what Explorer passes for "Open with" or a
// file association): the first argument, when it names a .dat file; a .csv, .txt or .pwl file
// opens the import dialog with it. Other arguments are ignored. With askBeforeReplacing (a
// document was restored from a recovery copy), a list is replaced only after the question of
// 設定読込.
void OpenCommandLineFile(EditorWindow& editor, const wchar_t* commandLine,
                         bool askBeforeReplacing = false);
