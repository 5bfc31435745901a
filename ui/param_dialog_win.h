#pragma once

#include "model/signal_document.h"

#include <windows.h>

#include <functional>
#include <optional>

// What OK is for: adding an element at the end, before the selected row, or in its place.
enum class ParamDialogMode { Append = 1, Insert = 2, Edit = 3 };

struct ParamDialogRequest {
    ParamDialogMode mode = ParamDialogMode::Append;
    SignalElement element;          // the element to edit (mode Edit)
    const SignalDocument& document; // its range and resolution set the fields' units and limits
    Language language = Language::Japanese; // of the dialog while it is open
    // Whether the list can take the element; OK refuses with the budget message while it cannot.
    std::function<bool(const SignalElement&)> fits;
};

// Runs the parameter dialog modally over owner and returns the element the user built, or none
// when the dialog was cancelled. The dialog changes nothing else: the caller applies the result.
std::optional<SignalElement> OpenParamDialog(HWND owner, const ParamDialogRequest& request);
