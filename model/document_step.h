#pragma once

#include "model/edit_history.h"
#include "model/row_selection.h"
#include "model/signal_document.h"

// What a command would do to the document, worked out without touching it: the change to record
// as one undoable step and the rows to select afterwards. A step holds only the elements it
// changes, so a command on one row of a long list costs one element. EditorModel::apply carries
// it out; nothing else changes the editor's document.

// What a command did. A step is recorded only for Changed.
enum class CommandOutcome { Changed, NoChange, Refused };

struct DocumentStep {
    CommandOutcome outcome = CommandOutcome::Refused;
    DocumentChange change;  // for Changed: the step to record
    RowSelection selection; // the rows to select afterwards; the given rows unless Changed
};

// A step that replaces the elements from first on (before becomes after) and keeps the codes.
DocumentStep elementStep(const SignalDocument& doc, std::size_t first, ElementList before,
                         ElementList after, RowSelection selection);

// A step that changes nothing, or is refused, leaving these rows selected.
DocumentStep unchangedStep(CommandOutcome outcome, RowSelection selection);

// The parameter dialog's results and the delete button: refused over the time budget or for a row
// that is not in the list (an insert may name the row after the last). Nothing is selected after
// them; replacing an element with an equal one changes nothing.
DocumentStep appendElement(const SignalDocument& doc, const SignalElement& element);
DocumentStep insertElement(const SignalDocument& doc, const SignalElement& element, int row);
DocumentStep replaceElement(const SignalDocument& doc, const SignalElement& element, int row);
DocumentStep deleteElement(const SignalDocument& doc, int row);

// A new range or resolution, clearing the list where that discards it (the window asks the user
// first). NoChange when the code is the one already chosen.
DocumentStep changeRange(const SignalDocument& doc, int rangeCode);
DocumentStep changeResolution(const SignalDocument& doc, int resolutionCode);

// Carries out a Changed step on a document of one's own (the editor model records it instead).
void applyStep(SignalDocument& doc, const DocumentStep& step);
