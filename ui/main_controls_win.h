#pragma once

#include "model/signal_element.h"

#include <windows.h>

#include <optional>

// The selection lists, the element list view and the edit buttons of the main window.

// Creates the eleven controls in the main window. Without a list view there are no columns and
// no buttons; the program runs on without them.
void CreateMainControls(HWND parent);

// Ends every change of the element list: refills the list view (no row selected afterwards),
// rebuilds the samples into the output trace and shows the chart from the start.
void RefreshElementList();

// Append needs a chosen range and resolution; insert, edit and delete a selected row as well.
void UpdateButtonStates();

// The lowest selected row of the list view, -1 when none is selected.
int SelectedIndex();

// The element of SelectedIndex, or none when no row of the list is selected.
std::optional<SignalElement> SelectedElement();

// Selects the range and resolution entries of the document's codes (the list positions come
// from positionOfRangeCode and positionOfResolutionCode) without asking anything, and gives the
// output trace the range's values and unit.
void ShowDocumentCodes();

void OnDisplayPeriodChanged();
void OnOutputRangeChanged();
void OnResolutionChanged();

void OnAppendButton();
void OnEditButton();
void OnInsertButton();
void OnDeleteButton();
