#pragma once

#include "model/document_step.h"
#include "model/editor_model.h"
#include "model/row_selection.h"

#include <windows.h>

#include <functional>
#include <optional>

struct EditorWindow;

// How a change reaches the screen: command → EditorModel → ChangeDocument → Refresh. Views never
// read each other; they show what Refresh hands them.

// What changed since the screen last showed the editor.
enum RefreshParts : unsigned {
    DocumentPart = 1u << 0,  // the document: codes, rows, samples, chart, buttons, menu, status
    SelectionPart = 1u << 1, // the selected rows: list, chart bands, buttons, menu
    FilePart = 1u << 2,      // which file the document belongs to and whether it is saved
    MenuPart = 1u << 3,      // the menu's commands alone, as a menu opens (the clipboard changes)
    ReferencePart = 1u << 4, // the reference: chart, menu, status
};

// The one refresh: updates the list, the chart, the buttons, the menu and the status bar for
// what changed. A document change derives the document view again, once, for all of them.
void Refresh(EditorWindow& editor, unsigned parts);

// A change of the selection the list reported: refreshed once the messages waiting are done, so
// that a change of many rows reported in pieces is shown once.
inline constexpr UINT WM_REFRESH_SELECTION = WM_APP + 1;
void PostSelectionRefresh(EditorWindow& editor);

// Scrolls the list to a row the user acted on elsewhere (the chart).
void RevealRow(const EditorWindow& editor, int row);

// A change of the document: runs on the model and returns the rows to select afterwards, or none
// when nothing changed.
using DocumentChangeRun = std::function<std::optional<RowSelection>(EditorModel&)>;

// The one spot where the document changes: every step, undo, redo and load passes here, then the
// selection it leaves is shown with one refresh. Whatever must follow every change of the
// document (a recovery copy, an import's bookkeeping) belongs here. True when it changed.
bool ChangeDocument(EditorWindow& editor, const DocumentChangeRun& change);

// A command's step, carried out through ChangeDocument. True when it changed the document.
bool ApplyStep(EditorWindow& editor, DocumentStep step);

// The same, where a refused step is the time budget's: the user is told so.
void ApplyOrRefuse(EditorWindow& editor, DocumentStep step);
