#pragma once

#include "model/editor_model.h"

#include <windows.h>

// "CSVファイル出力": writes the document's samples as the instrument's replay file, asking where.
void CmdExportCsv(HWND owner, const EditorModel& editor, Language language);
