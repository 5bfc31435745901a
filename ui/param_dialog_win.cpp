#include "ui/param_dialog_win.h"

void OpenParamDialog(ParamDialogMode, HWND) {}
