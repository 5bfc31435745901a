#pragma once

#include "model/editor_model.h"

#include <windows.h>

#include <filesystem>

// "上書き保存": writes the current file without asking where; without one, as "設定保存".
// True when the document is on disk.
bool CmdSaveOver(HWND owner, EditorModel& editor);

// "設定保存": asks where (the current file's name first, else "QZ57output.dat") and writes the
// document there. True when the document is on disk.
bool CmdSaveSettings(HWND owner, EditorModel& editor);

// "設定読込": asks which file and reads it as one undoable step. True when the document changed.
bool CmdLoadSettings(HWND owner, EditorModel& editor);

// Before a load replaces a list with elements, the user is asked; false when the answer is No.
bool MayReplaceDocument(HWND owner, const EditorModel& editor);

// Reads the settings file at path as 設定読込 does after its dialog, with the same messages; the
// document stays as it was when the file cannot be read. True when the document changed.
bool LoadSettingsFrom(HWND owner, EditorModel& editor, const std::filesystem::path& path);
