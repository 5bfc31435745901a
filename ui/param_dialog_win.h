#pragma once

#include "model/signal_element.h"

#include <windows.h>

// What OK does with the element: add it at the end, put it before the selected row, or replace
// the selected row.
enum class ParamDialogMode { Append = 1, Insert = 2, Edit = 3 };

// Runs the parameter dialog modally over `owner`. The dialog applies its own result to the
// document under the time budget and refreshes the main window; the caller does nothing after.
void OpenParamDialog(ParamDialogMode mode, HWND owner);

// The element the dialog edits. It lives between openings; the edit button copies the selected
// element into it before opening in mode Edit.
SignalElement& ParamWorkingElement();
