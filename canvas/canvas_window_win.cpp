#include "canvas/canvas_window_win.h"

#include "canvas/canvas_painter_win.h"
#include "canvas/canvas_setup.h"
#include "canvas/draw_list.h"
#include "canvas/view_scroll.h"

#include <algorithm>

namespace {

bool classRegistered = false;

HMENU ChildId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// Matched by window handle, so canvases that happen to share a control id never mix; role is
// the pane's window that received the message (the canvas or the strip).
CanvasWindow* FindPane(HWND CanvasWindow::*role, HWND window) {
    for (const auto& slot : canvasRegistry().slots) {
        if (slot && (*slot).*role == window) {
            return slot.get();
        }
    }
    return nullptr;
}

void OnCanvasPaint(CanvasWindow& pane) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(pane.canvasWindow, &paint);
    if (dc != nullptr) {
        PaintDrawList(dc, buildDrawList(pane.canvas));
    }
    EndPaint(pane.canvasWindow, &paint);
}

LRESULT HandleCanvasMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CanvasWindow* pane = FindPane(&CanvasWindow::canvasWindow, window);
    // The paint covers every pixel, so the background is never erased (no flicker).
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    if (pane == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        OnCanvasPaint(*pane);
        return 0;
    case WM_PRINTCLIENT:
        PaintDrawList(reinterpret_cast<HDC>(wParam), buildDrawList(pane->canvas));
        return 0;
    case WM_MOUSEMOVE:
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT HandleStripMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CanvasWindow* pane = FindPane(&CanvasWindow::stripWindow, window);
    if (pane == nullptr || pane->stripPreviousProc == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_HSCROLL:
        // The scroll bar reports to its parent, the strip, hence the subclass.
        applyScrollAction(pane->canvas, LOWORD(wParam), HIWORD(wParam), *pane);
        return 0;
    default:
        return CallWindowProcW(pane->stripPreviousProc, window, message, wParam, lParam);
    }
}

void DestroyWindows(const CanvasWindow& pane) {
    for (HWND window : {pane.scrollWindow, pane.stripWindow, pane.canvasWindow}) {
        if (window != nullptr) {
            DestroyWindow(window);
        }
    }
}

} // namespace

void CanvasWindow::pushScrollState(const Canvas& view) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = ScrollMaximum;
    info.nPage = static_cast<UINT>(std::max(view.scrollPage, 0));
    info.nPos = view.scrollPos;
    SetScrollInfo(scrollWindow, SB_CTL, &info, TRUE);
}

void CanvasWindow::requestRepaint(const Canvas&) {
    InvalidateRect(canvasWindow, nullptr, FALSE);
    UpdateWindow(canvasWindow);
}

CanvasRegistry& canvasRegistry() {
    static CanvasRegistry registry;
    return registry;
}

void registerCanvasClass() {
    if (classRegistered) {
        return;
    }
    classRegistered = true;
    CanvasRegistry& registry = canvasRegistry();
    for (auto& slot : registry.slots) {
        slot.reset();
    }
    registry.dpi = 96;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = CanvasWndProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = CanvasClassName;
    RegisterClassExW(&windowClass);
}

CanvasWindow* createCanvas(HWND parent) {
    registerCanvasClass();
    CanvasRegistry& registry = canvasRegistry();
    const auto slot = std::find(registry.slots.begin(), registry.slots.end(), nullptr);
    if (slot == registry.slots.end()) {
        return nullptr;
    }

    auto pane = std::make_unique<CanvasWindow>();
    Canvas& canvas = pane->canvas;
    canvas = initialCanvas(registry.dpi);
    pane->parentWindow = parent;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const int strip = stripHeight(canvas);

    pane->canvasWindow = CreateWindowExW(
        WS_EX_COMPOSITED, CanvasClassName, L"", WS_CHILD | WS_VISIBLE, canvas.x, canvas.y,
        canvas.width, canvas.height, parent, ChildId(canvas.controlId), instance, nullptr);
    pane->stripWindow = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, canvas.x, canvas.y + canvas.height, canvas.width,
        strip, parent, ChildId(canvas.controlId + StripIdOffset), instance, nullptr);
    if (pane->stripWindow != nullptr) {
        pane->scrollWindow = CreateWindowExW(
            0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 0, canvas.width, strip,
            pane->stripWindow, ChildId(canvas.controlId + ScrollBarIdOffset), instance, nullptr);
    }
    if (pane->canvasWindow == nullptr || pane->scrollWindow == nullptr) {
        DestroyWindows(*pane);
        return nullptr;
    }
    pane->pushScrollState(canvas);

    *slot = std::move(pane);
    CanvasWindow& entered = **slot;
    entered.stripPreviousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        entered.stripWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StripWndProc)));
    return &entered;
}

CanvasWindow* CreateCanvasPane(HWND parent, int dpi) {
    registerCanvasClass();
    canvasRegistry().dpi = dpi;
    CanvasWindow* pane = createCanvas(parent);
    if (pane == nullptr || configureOutputCanvas(pane->canvas, *pane) == nullptr) {
        return nullptr;
    }
    return pane;
}

LRESULT CALLBACK CanvasWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleCanvasMessage(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}

LRESULT CALLBACK StripWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleStripMessage(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
