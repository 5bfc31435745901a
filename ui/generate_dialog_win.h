#pragma once

#include "files/generator_form.h"
#include "model/signal_document.h"
#include "model/texts.h"

#include <windows.h>

#include <optional>

// The elements the user accepted, with the range and resolution they were made for (the
// document's, or the ones chosen in the dialog while it had none), and the form as it was left.
struct GenerateDialogResult {
    ElementList elements;
    int rangeCode = -1;
    int resolutionCode = -1;
    GeneratorForm form;
};

// Runs the generator dialog modally over owner, starting from form; none when it was cancelled.
// The dialog changes nothing: the caller applies the result.
std::optional<GenerateDialogResult> OpenGenerateDialog(HWND owner, const GeneratorForm& form,
                                                       Language language);
