#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct EditorWindow;

// Window handles of the main window's controls; the list view and the buttons stay null when the
// list view could not be created. The list view keeps no texts: it asks for each cell it shows.
struct MainControls {
    HWND rangeCombo = nullptr;
    HWND resolutionCombo = nullptr;
    HWND periodCombo = nullptr;
    HWND elementList = nullptr;
    HWND appendButton = nullptr;
    HWND insertButton = nullptr;
    HWND editButton = nullptr;
    HWND deleteButton = nullptr;
    HWND statusBar = nullptr;

    // The texts of the row asked for last (-1: none), one per column; the list view reads a
    // cell's text after its request returns, so they stay until another row is asked for.
    int textRow = -1;
    std::array<std::wstring, 4> rowTexts;
};

// Creates the selection lists, the element list view, the edit buttons and the status bar.
// Without a list view there are no columns and no buttons; the program runs on without them.
void CreateMainControls(EditorWindow& editor);

// Shows the document as it now is: both combos and the trace's range, the list (no row selected
// afterwards), the samples on the chart from the start, the buttons, the menu and the status bar.
// Ends every change of the document.
void ShowDocument(EditorWindow& editor);

// Append needs a chosen range and resolution; insert, edit and delete a selected row as well.
void UpdateButtonStates(EditorWindow& editor);

// The file name (or 無題) with 変更あり, the total time and the counts.
void UpdateStatusBar(EditorWindow& editor);

// Writes one part of the status bar: file, time, counts, clipping, readout (0 … 4).
void SetStatusPart(HWND bar, int part, std::string_view text);

// The lowest selected row of the list view, -1 when none is selected.
int SelectedIndex(const MainControls& controls);

// Selects count rows from first (and shows the first), unselecting the others.
void SelectRows(const MainControls& controls, int first, int count);

// Selects these rows (and shows the first), unselecting the others.
void SelectRowSet(const MainControls& controls, const std::vector<int>& rows);

// What the element list view reports to the main window; the result is the notification's.
LRESULT OnElementListNotify(EditorWindow& editor, NMHDR& header);

void OnDisplayPeriodChanged(EditorWindow& editor);
void OnOutputRangeChanged(EditorWindow& editor);
void OnResolutionChanged(EditorWindow& editor);

void OnAppendButton(EditorWindow& editor);
void OnEditButton(EditorWindow& editor);
void OnInsertButton(EditorWindow& editor);
void OnDeleteButton(EditorWindow& editor);
