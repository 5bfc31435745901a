#include "ui/app_state_win.h"

HINSTANCE AppInstance = GetModuleHandleW(nullptr);
HWND MainWindow = nullptr;
int ScreenDpi = 96;
HFONT UiFont = nullptr;
SignalDocument Document;
CanvasWindow* MainCanvas = nullptr;
Trace* OutputTrace = nullptr;
