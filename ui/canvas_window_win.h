#pragma once

#include "canvas/canvas_state.h"

#include <windows.h>

// The main window's chart: the canvas state and the three windows that show it, the chart, the
// strip below it and the strip's scroll bar. View updates reach the windows through its two
// effects. The chart draws samples it does not own: the output trace points at the document's.
struct CanvasWindow final : CanvasEffects {
    Canvas canvas;
    Trace* outputTrace = nullptr;
    WNDPROC stripPreviousProc = nullptr;
    HWND canvasWindow = nullptr;
    HWND stripWindow = nullptr;
    HWND scrollWindow = nullptr;

    void pushScrollState(const Canvas& view) override;
    void requestRepaint(const Canvas& view) override;
};

inline constexpr wchar_t CanvasClassName[] = L"QZCanvasWnd";

// Registers "QZCanvasWnd" once per process; later calls do nothing.
void RegisterCanvasClass();

// Makes pane the chart of parent at dpi: its windows, the output trace and the start-up display
// period. False when a window cannot be created; nothing is left behind then.
bool CreateCanvasPane(HWND parent, int dpi, CanvasWindow& pane);
