#pragma once

#include <windows.h>

// "CSVファイル出力": writes the chart's samples as the instrument's replay file, asking where.
void CmdExportCsv(HWND owner);
