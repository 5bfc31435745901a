#include "ui/app_state_win.h"

HINSTANCE AppInstance = GetModuleHandleW(nullptr);
