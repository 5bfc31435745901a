#pragma once

#include "canvas/canvas_state.h"

#include <windows.h>

#include <array>
#include <memory>

// A canvas with the three windows that show it: the chart, the strip below it and the strip's
// scroll bar. View updates reach the windows through its two effects.
struct CanvasWindow final : CanvasEffects {
    Canvas canvas;
    WNDPROC stripPreviousProc = nullptr;
    HWND parentWindow = nullptr;
    HWND canvasWindow = nullptr;
    HWND stripWindow = nullptr;
    HWND scrollWindow = nullptr;

    void pushScrollState(const Canvas& view) override;
    void requestRepaint(const Canvas& view) override;
};

inline constexpr int CanvasSlotCount = 128;

// Every canvas of the process; a canvas takes the first empty slot and keeps it.
struct CanvasRegistry {
    std::array<std::unique_ptr<CanvasWindow>, CanvasSlotCount> slots;
    int dpi = 96; // screen dpi given to the next canvas created
};

inline constexpr wchar_t CanvasClassName[] = L"QZCanvasWnd";

CanvasRegistry& canvasRegistry();

// Registers "QZCanvasWnd" once per process; later calls do nothing.
void registerCanvasClass();

// Creates a canvas and its windows in parent at the registry's dpi; nullptr when every slot is
// taken or a window cannot be created (then nothing is left behind).
CanvasWindow* createCanvas(HWND parent);

// The program's one chart: created at dpi, with the output trace (its first trace) and the
// start-up display period; nullptr when it cannot be made.
CanvasWindow* CreateCanvasPane(HWND parent, int dpi);

LRESULT CALLBACK CanvasWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StripWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
