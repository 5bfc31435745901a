#pragma once

#include "canvas/canvas_window_win.h"
#include "model/signal_document.h"

#include <windows.h>

// Process-wide values of the program, set once at start-up (tests set them the same way).

// The program's own module, for its resources and dialogs.
extern HINSTANCE AppInstance;
// Owner of every message box of the program.
extern HWND MainWindow;
// Horizontal pixels per inch of the screen; geometry given for 96 dpi is scaled by it.
extern int ScreenDpi;
// Font of the main window's controls, alive from start-up to the end of the message loop.
extern HFONT UiFont;

// The one edited signal, alive for the whole run.
extern SignalDocument Document;

// The chart of the main window and its output trace, which holds the only copy of the samples.
extern CanvasWindow* MainCanvas;
extern Trace* OutputTrace;

// Geometry given for 96 dpi, at dpi: n × dpi / 96, cut toward zero.
constexpr int ScaleForDpi(int n, int dpi) {
    return n * dpi / 96;
}

inline constexpr int VersionMajor = 1;
inline constexpr int VersionMinor = 10;
