#pragma once

#include <filesystem>
#include <string>

struct EditorWindow;

// 波形データ取込...: the import dialog over the editor, with a file to read, the text of a paste,
// or neither (the user picks a file). What it returns goes in as one undoable step before the
// selected row (or at the end), and the new rows are selected.
void CmdImport(EditorWindow& editor, const std::filesystem::path& file = {},
               const std::string& pastedText = {});

// Files the import reads rather than the settings loader: an existing .csv, .txt or .pwl file,
// the extension in any case.
bool IsPointFile(const std::filesystem::path& path);
