#pragma once

#include <windows.h>

struct EditorWindow;

// Posted to the main window when the list's selection changes: the chart shows the selection
// once, however many rows changed in one go.
inline constexpr UINT WM_SHOW_SELECTION = WM_APP + 1;

// The status bar's readout part says what the chart's cursor column shows; empty without one.
void ShowCursorReadout(EditorWindow& editor);

// A click at column x of the chart selects the element under it (add: with the rows already
// selected) and shows its row; a double-click opens 編集 for it.
void OnChartClick(EditorWindow& editor, int x, bool add);
void OnChartDoubleClick(EditorWindow& editor, int x);

// Wheel notches over column x of the chart (forward positive): a shorter or longer display
// period about the time under the mouse, shown by the period list; with Shift, scroll steps.
void OnChartWheel(EditorWindow& editor, int steps, int x, bool shift);

// The list's selection changed: the chart shows it when the messages waiting are done.
void OnListSelectionChanged(EditorWindow& editor);

// Shades the selected elements' spans and scrolls to the first one's start when it is out of view.
void ShowSelectionOnChart(EditorWindow& editor);

// The wheel goes to the window with the focus; over the chart it turns the chart instead.
void SendWheelToChart(const EditorWindow& editor, MSG& message);
