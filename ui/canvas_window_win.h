#pragma once

#include "canvas/canvas_state.h"
#include "canvas/draw_list.h"
#include "model/element_spans.h"

#include <windows.h>

// The main window's chart: the canvas state and the three windows that show it, the chart, the
// strip below it and the strip's scroll bar. View updates reach the windows through its two
// effects. The chart draws samples it does not own: the output trace points at the document's.
// Mouse actions that concern the rest of the editor go to the editor of the chart's parent.
struct CanvasWindow final : CanvasEffects {
    Canvas canvas;
    Trace* outputTrace = nullptr;
    std::vector<ElementSpan> spans;         // of the document's elements, in list order
    std::vector<ElementSpan> selectedSpans; // of the elements selected in the list, shaded
    int cursorX = -1;                       // column of the mouse over the chart; -1: elsewhere
    WNDPROC stripPreviousProc = nullptr;
    HWND canvasWindow = nullptr;
    HWND stripWindow = nullptr;
    HWND scrollWindow = nullptr;

    void pushScrollState(const Canvas& view) override;
    void requestRepaint(const Canvas& view) override;
};

// What the chart shows now: the view with the selected elements' bands and the cursor.
DrawList ChartDrawList(const CanvasWindow& pane);

inline constexpr wchar_t CanvasClassName[] = L"QZCanvasWnd";

// Registers "QZCanvasWnd" once per process; later calls do nothing.
void RegisterCanvasClass();

// Makes pane the chart of parent at dpi: its windows, the output trace and the start-up display
// period. False when a window cannot be created; nothing is left behind then.
bool CreateCanvasPane(HWND parent, int dpi, CanvasWindow& pane);
