#pragma once

#include "model/signal_document.h"
#include "model/texts.h"

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>

// What the import dialog starts from: the document it imports into, and a file to read or the
// text of a paste (neither: the user picks a file in the dialog).
struct ImportDialogRequest {
    const SignalDocument& document;
    std::filesystem::path file;
    std::string pastedText;
    Language language = Language::Japanese;
};

// The elements the user accepted, with the range and resolution they were made for (the
// document's, or the ones chosen in the dialog while it had none).
struct ImportDialogResult {
    ElementList elements;
    int rangeCode = -1;
    int resolutionCode = -1;
};

// Runs the import dialog modally over owner; none when it was cancelled. The dialog changes
// nothing: the caller applies the result.
std::optional<ImportDialogResult> OpenImportDialog(HWND owner, const ImportDialogRequest& request);
