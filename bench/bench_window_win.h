// The real main window that the window benchmarks time, opened as the program opens it, at 96 dpi.
#pragma once

#include "ui/app_state_win.h"
#include "ui/main_window_win.h"

#include <windows.h>

inline bool OpenBenchWindow(HINSTANCE instance, MainWindow& main) {
    AppInstance = instance;
    if (!RegisterMainClass(instance) || CreateMainWindow(instance, 96, main) == nullptr)
        return false;
    ShowWindow(main.editor.window, SW_SHOW);
    UpdateWindow(main.editor.window);
    return true;
}
