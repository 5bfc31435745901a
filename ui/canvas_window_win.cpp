#include "ui/canvas_window_win.h"

#include "canvas/canvas_setup.h"
#include "canvas/cursor_readout.h"
#include "canvas/element_bands.h"
#include "canvas/reference_chart.h"
#include "canvas/view_scroll.h"
#include "canvas/wheel_zoom.h"
#include "model/tables.h"
#include "ui/app_state_win.h"
#include "ui/canvas_painter_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>

namespace {

HMENU ChildId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// Both the chart and the strip keep their pane in the window's user data.
CanvasWindow* PaneOf(HWND window) {
    return reinterpret_cast<CanvasWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void OnCanvasPaint(CanvasWindow& pane) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(pane.canvasWindow, &paint);
    if (dc != nullptr) {
        PaintDrawList(dc, ChartDrawList(pane));
    }
    EndPaint(pane.canvasWindow, &paint);
}

void ReportReadout(CanvasWindow& pane) {
    pane.events->onChartReadoutChanged(
        cursorReadout(pane.canvas, pane.cursorX, pane.language).text);
}

// The element under column x of the chart, or -1.
int ElementAtColumn(const CanvasWindow& pane, int x) {
    return pane.spans == nullptr ? -1 : elementAtX(pane.canvas, *pane.spans, x);
}

// Only the old and the new cursor columns and the readout's box are repainted.
void MoveCursor(CanvasWindow& pane, int x) {
    for (const PixelRect& rect : cursorRepaintRects(pane.canvas, pane.cursorX, x)) {
        const RECT area{rect.left, rect.top, rect.right, rect.bottom};
        InvalidateRect(pane.canvasWindow, &area, FALSE);
    }
    pane.cursorX = x;
    ReportReadout(pane);
}

void OnMouseMove(CanvasWindow& pane, int x) {
    if (pane.cursorX < 0) {
        // The cursor goes when the mouse leaves the chart.
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, pane.canvasWindow, 0};
        TrackMouseEvent(&track);
    }
    MoveCursor(pane, x);
}

// Wheel notches over column x (forward positive): a shorter or longer display period about the
// time under the mouse; with Shift, scroll steps.
void OnMouseWheel(CanvasWindow& pane, WPARAM wParam, LPARAM lParam) {
    // The wheel reports the mouse in screen coordinates.
    POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(pane.canvasWindow, &at);
    const int steps = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
    if ((GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT) != 0) {
        for (int step = 0; step < std::abs(steps); ++step)
            applyScrollAction(pane.canvas, shiftWheelScrollCode(steps), 0, pane);
    } else {
        const WheelZoom zoom = wheelZoom(pane.canvas, pane.periodPosition, steps, at.x);
        applyWheelZoom(pane.canvas, zoom, pane);
        pane.periodPosition = zoom.position;
        pane.events->onChartPeriodChanged(zoom.position);
    }
    ReportReadout(pane);
}

void OnClick(CanvasWindow& pane, int x, bool add) {
    if (const int element = ElementAtColumn(pane, x); element >= 0)
        pane.events->onChartElementClicked(element, add);
}

void OnDoubleClick(CanvasWindow& pane, int x) {
    if (const int element = ElementAtColumn(pane, x); element >= 0)
        pane.events->onChartElementDoubleClicked(element);
}

LRESULT HandleCanvasMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    // The paint covers every pixel, so the background is never erased (no flicker).
    if (message == WM_ERASEBKGND) {
        return 1;
    }
    CanvasWindow* pane = PaneOf(window);
    if (pane == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_PAINT:
        OnCanvasPaint(*pane);
        return 0;
    case WM_PRINTCLIENT:
        PaintDrawList(reinterpret_cast<HDC>(wParam), ChartDrawList(*pane));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(*pane, GET_X_LPARAM(lParam));
        return 0;
    case WM_MOUSELEAVE:
        MoveCursor(*pane, -1);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(*pane, wParam, lParam);
        return 0;
    case WM_LBUTTONDOWN:
        OnClick(*pane, GET_X_LPARAM(lParam), (wParam & MK_CONTROL) != 0);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(*pane, GET_X_LPARAM(lParam));
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT HandleStripMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CanvasWindow* pane = PaneOf(window);
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

void DestroyWindows(CanvasWindow& pane) {
    for (HWND window : {pane.scrollWindow, pane.stripWindow, pane.canvasWindow}) {
        if (window != nullptr) {
            DestroyWindow(window);
        }
    }
    pane.scrollWindow = pane.stripWindow = pane.canvasWindow = nullptr;
}

bool CreatePaneWindows(HWND parent, CanvasWindow& pane) {
    const Canvas& canvas = pane.canvas;
    const HINSTANCE instance = AppInstance;
    const int strip = stripHeight(canvas);
    pane.canvasWindow = CreateWindowExW(
        WS_EX_COMPOSITED, CanvasClassName, L"", WS_CHILD | WS_VISIBLE, canvas.x, canvas.y,
        canvas.width, canvas.height, parent, ChildId(canvas.controlId), instance, &pane);
    pane.stripWindow = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, canvas.x, canvas.y + canvas.height, canvas.width,
        strip, parent, ChildId(canvas.controlId + StripIdOffset), instance, nullptr);
    if (pane.stripWindow != nullptr) {
        pane.scrollWindow = CreateWindowExW(
            0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 0, canvas.width, strip,
            pane.stripWindow, ChildId(canvas.controlId + ScrollBarIdOffset), instance, nullptr);
    }
    if (pane.canvasWindow == nullptr || pane.scrollWindow == nullptr) {
        DestroyWindows(pane);
        return false;
    }
    SetWindowLongPtrW(pane.stripWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&pane));
    pane.stripPreviousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        pane.stripWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StripWndProc)));
    return true;
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

DrawList ChartDrawList(const CanvasWindow& pane) {
    DrawList list = buildDrawList(pane.canvas);
    if (!list.showsView)
        return list;
    for (const ElementSpan& span : pane.selectedSpans) {
        if (const std::optional<FilledRect> band = elementBand(pane.canvas, span))
            list.bands.push_back(*band);
    }
    if (pane.reference != nullptr) {
        if (std::optional<TracePolyline> line = referencePolyline(pane.canvas, *pane.reference))
            list.references.push_back(std::move(*line));
    }
    list.cursor = cursorOverlay(pane.canvas, pane.cursorX, pane.language);
    return list;
}

void RegisterCanvasClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    const HINSTANCE instance = AppInstance;
    if (GetClassInfoExW(instance, CanvasClassName, &windowClass)) {
        return;
    }
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = CanvasWndProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = CanvasClassName;
    RegisterClassExW(&windowClass);
}

bool CreateCanvasPane(HWND parent, int dpi, ChartEvents& events, CanvasWindow& pane) {
    RegisterCanvasClass();
    pane.events = &events;
    pane.canvas = initialCanvas(dpi);
    pane.periodPosition = InitialDisplayPeriod;
    if (!CreatePaneWindows(parent, pane)) {
        return false;
    }
    pane.pushScrollState(pane.canvas);
    pane.outputTrace = &configureOutputCanvas(pane.canvas, pane);
    return true;
}

void ShowChartDocument(CanvasWindow& pane, const TracePoints& samples, int rangeCode,
                       const std::vector<ElementSpan>& spans) {
    applyOutputRange(*pane.outputTrace, rangeCode);
    pane.outputTrace->points = &samples;
    pane.spans = &spans;
    pane.selectedSpans.clear();
    setView(pane.canvas, 0, pane.canvas.displaySpan, 0, pane);
}

void ShowChartSelection(CanvasWindow& pane, std::vector<ElementSpan> selected) {
    pane.selectedSpans = std::move(selected);
    if (!pane.selectedSpans.empty())
        revealTime(pane.canvas, pane.selectedSpans.front().start, pane);
    pane.requestRepaint(pane.canvas);
}

void ShowChartReference(CanvasWindow& pane, const ReferenceTrace* reference) {
    pane.reference = reference;
    pane.requestRepaint(pane.canvas);
}

void SetChartPeriod(CanvasWindow& pane, int position) {
    pane.periodPosition = position;
    applyDisplayPeriod(pane.canvas, position, pane);
}
