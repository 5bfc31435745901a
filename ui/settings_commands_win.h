#pragma once

#include "model/editor_model.h"

#include <windows.h>

#include <filesystem>
#include <optional>

// "上書き保存": writes the current file without asking where; without one, as "設定保存".
// True when the document is on disk.
bool CmdSaveOver(HWND owner, EditorModel& editor);

// "設定保存": asks where (the current file's name first, else "QZ57output.dat") and writes the
// document there. True when the document is on disk.
bool CmdSaveSettings(HWND owner, EditorModel& editor);

// A settings file read whole, for the editor to take over as one undoable step.
struct LoadedSettings {
    SignalDocument document;
    std::filesystem::path path;
};

// "設定読込": asks which file (after MayReplaceDocument) and reads it; none when the user declined
// or the file could not be read (the user was told).
std::optional<LoadedSettings> CmdLoadSettings(HWND owner, const EditorModel& editor);

// Before a load replaces a list with elements, the user is asked; false when the answer is No.
bool MayReplaceDocument(HWND owner, const EditorModel& editor);

// Reads the settings file at path as 設定読込 does after its dialog, with the same messages; none
// when the file cannot be read.
std::optional<LoadedSettings> ReadSettingsFrom(HWND owner, const std::filesystem::path& path);

// Tells the user that a file read by the two above is now the document.
void ReportLoaded(HWND owner);
