#include "ui/chart_links_win.h"

#include "canvas/cursor_readout.h"
#include "canvas/element_bands.h"
#include "canvas/view_scroll.h"
#include "canvas/wheel_zoom.h"
#include "ui/element_commands_win.h"
#include "ui/main_window_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <cstdlib>

namespace {

constexpr int ReadoutStatusPart = 4;

int ElementAtColumn(const EditorWindow& editor, int x) {
    return elementAtX(editor.chart.canvas, editor.chart.spans, x);
}

} // namespace

void ShowCursorReadout(EditorWindow& editor) {
    const CursorReadout readout =
        cursorReadout(editor.chart.canvas, editor.chart.cursorX, Language::Japanese);
    SetStatusPart(editor.controls.statusBar, ReadoutStatusPart, readout.text);
}

void OnChartClick(EditorWindow& editor, int x, bool add) {
    const int element = ElementAtColumn(editor, x);
    HWND list = editor.controls.elementList;
    if (element < 0 || list == nullptr)
        return;
    if (!add) {
        SelectRows(editor.controls, element, 1);
        return;
    }
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(element),
                 reinterpret_cast<LPARAM>(&item));
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(element), FALSE);
}

void OnChartDoubleClick(EditorWindow& editor, int x) {
    const int element = ElementAtColumn(editor, x);
    if (element < 0 || editor.controls.elementList == nullptr)
        return;
    SelectRows(editor.controls, element, 1);
    OnEditButton(editor);
}

void OnChartWheel(EditorWindow& editor, int steps, int x, bool shift) {
    CanvasWindow& chart = editor.chart;
    if (shift) {
        for (int step = 0; step < std::abs(steps); ++step)
            applyScrollAction(chart.canvas, shiftWheelScrollCode(steps), 0, chart);
    } else {
        HWND combo = editor.controls.periodCombo;
        const WheelZoom zoom = wheelZoom(
            chart.canvas, static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0)), steps, x);
        applyWheelZoom(chart.canvas, zoom, chart);
        SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(zoom.position), 0);
    }
    ShowCursorReadout(editor);
}

void OnListSelectionChanged(EditorWindow& editor) {
    if (editor.selectionShowPending)
        return;
    editor.selectionShowPending = PostMessageW(editor.window, WM_SHOW_SELECTION, 0, 0) != 0;
}

void ShowSelectionOnChart(EditorWindow& editor) {
    editor.selectionShowPending = false;
    CanvasWindow& chart = editor.chart;
    chart.selectedSpans.clear();
    for (int row : SelectedRows(editor.controls)) {
        if (static_cast<std::size_t>(row) >= chart.spans.size())
            break;
        chart.selectedSpans.push_back(chart.spans[static_cast<std::size_t>(row)]);
    }
    if (!chart.selectedSpans.empty())
        revealTime(chart.canvas, chart.selectedSpans.front().start, chart);
    chart.requestRepaint(chart.canvas);
}

void SendWheelToChart(const EditorWindow& editor, MSG& message) {
    if (message.message != WM_MOUSEWHEEL)
        return;
    const POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (WindowFromPoint(at) == editor.chart.canvasWindow)
        message.hwnd = editor.chart.canvasWindow;
}
