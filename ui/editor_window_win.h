#pragma once

#include "files/generator_form.h"
#include "model/document_view.h"
#include "model/editor_model.h"
#include "model/reference_trace.h"
#include "model/row_selection.h"
#include "model/texts.h"
#include "ui/canvas_window_win.h"
#include "ui/gdi_objects_win.h"
#include "ui/main_controls_win.h"
#include "ui/recovery_keeper_win.h"

#include <windows.h>

#include <memory>
#include <optional>

// The editor: one main window with the model it edits, what is derived from it, the rows the
// user selected, the chart and the controls. Its owner keeps it alive while the window exists.
// The state lives here; the chart and the controls show it and report to the main window's
// events.
struct EditorWindow {
    HWND window = nullptr;
    int dpi = 96;
    Language language = Language::Japanese; // of every text the editor shows
    ScopedFont font;                        // of the controls
    EditorModel model;
    DocumentView view;      // of the document shown, made by the refresh after each change
    RowSelection selection; // the selected rows of the element list
    // A signal to hold the document against, drawn under it; no part of the document.
    std::optional<ReferenceTrace> reference;
    // The generator dialog as OK last left it: Ctrl+G opens it so again.
    std::optional<GeneratorForm> lastGenerator;
    CanvasWindow chart;
    MainControls controls;
    // The copy of unsaved work kept against a crash; made with the window, which it needs.
    std::unique_ptr<RecoveryKeeper> recovery;
    bool selectionRefreshPending = false; // a refresh of the selection is posted

    EditorWindow() = default;
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;
    ~EditorWindow();
};

// The row the edit buttons act on: the lowest selected row when it is in the list, or -1.
int ActiveRow(const EditorWindow& editor);
