#pragma once

#include <windows.h>

enum class ParamDialogMode { Append = 1, Insert = 2, Edit = 3 };

void OpenParamDialog(ParamDialogMode mode, HWND owner);
