#pragma once

#include "canvas/canvas_state.h"
#include "canvas/draw_list.h"
#include "model/element_spans.h"
#include "model/reference_trace.h"
#include "model/texts.h"
#include "model/trace_points.h"

#include <windows.h>

#include <string_view>
#include <vector>

// What the chart tells its owner of the user's doings, as the canvas core tells the chart of its
// view changes: the chart never reaches into the window it sits in.
class ChartEvents {
  public:
    // A click on an element's time (add: Ctrl held, to add it to the selected rows).
    virtual void onChartElementClicked(int element, bool add) = 0;
    virtual void onChartElementDoubleClicked(int element) = 0;
    // The wheel took another display period (a position in the display-period list).
    virtual void onChartPeriodChanged(int position) = 0;
    // The cursor readout's text under the mouse; empty without a cursor.
    virtual void onChartReadoutChanged(std::string_view text) = 0;

  protected:
    ~ChartEvents() = default;
};

// The main window's chart: the canvas state and the three windows that show it, the chart, the
// strip below it and the strip's scroll bar. View updates reach the windows through its two
// effects. The chart draws samples and spans it does not own: its owner shows them anew after
// every change. The display period, which the wheel changes, is the chart's own state.
struct CanvasWindow final : CanvasEffects {
    Canvas canvas;
    Trace* outputTrace = nullptr;
    const std::vector<ElementSpan>* spans = nullptr; // of the document's elements, in list order
    std::vector<ElementSpan> selectedSpans;          // of the selected rows' runs, shaded
    const ReferenceTrace* reference = nullptr;       // drawn in grey under the signal
    int periodPosition = 0;                          // in the display-period list
    int cursorX = -1;                       // column of the mouse over the chart; -1: elsewhere
    Language language = Language::Japanese; // of the readout
    ChartEvents* events = nullptr;
    WNDPROC stripPreviousProc = nullptr;
    HWND canvasWindow = nullptr;
    HWND stripWindow = nullptr;
    HWND scrollWindow = nullptr;

    void pushScrollState(const Canvas& view) override;
    void requestRepaint(const Canvas& view) override;
};

// What the chart shows now: the view with the selected elements' bands, the reference and the
// cursor.
DrawList ChartDrawList(const CanvasWindow& pane);

inline constexpr wchar_t CanvasClassName[] = L"QZCanvasWnd";

// Registers "QZCanvasWnd" once per process; later calls do nothing.
void RegisterCanvasClass();

// Makes pane the chart of parent at dpi, reporting to events: its windows, the output trace and
// the start-up display period. False when a window cannot be created; nothing is left behind then.
bool CreateCanvasPane(HWND parent, int dpi, ChartEvents& events, CanvasWindow& pane);

// Shows a document's samples in a range's trace from the start of the signal, nothing shaded.
void ShowChartDocument(CanvasWindow& pane, const TracePoints& samples, int rangeCode,
                       const std::vector<ElementSpan>& spans);

// Shades these spans and scrolls to the first one's start when it is out of view.
void ShowChartSelection(CanvasWindow& pane, std::vector<ElementSpan> selected);

// Draws this reference under the signal from now on; none removes it.
void ShowChartReference(CanvasWindow& pane, const ReferenceTrace* reference);

// Takes the display period at this position of the list.
void SetChartPeriod(CanvasWindow& pane, int position);
