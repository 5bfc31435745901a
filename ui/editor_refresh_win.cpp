#include "ui/editor_refresh_win.h"

#include "model/signal_stats.h"
#include "model/status_texts.h"
#include "ui/editor_recovery_win.h"
#include "ui/editor_window_win.h"
#include "ui/menu_states_win.h"
#include "ui/message_box_win.h"

#include <utility>

namespace {

// The figures of the selected elements' time, or of the whole signal.
void ShowMeasures(const EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    const SignalStats stats = measureStretch(doc, editor.model.samples(),
                                             selectionStretch(editor.view, editor.selection));
    editor.controls.statusBar.setText(StatusPart::Measures,
                                      statsStatusText(stats, doc.rangeCode, editor.language));
}

void ShowReferenceDifference(const EditorWindow& editor) {
    std::string shown;
    if (editor.reference) {
        const SignalDocument& doc = editor.model.document();
        shown = referenceStatusText(
            largestDifference(exportedTrace(doc, editor.model.samples()), *editor.reference),
            doc.rangeCode, editor.language);
    }
    editor.controls.statusBar.setText(StatusPart::Reference, shown);
}

void ShowStatus(const EditorWindow& editor, unsigned parts) {
    const StatusBar& bar = editor.controls.statusBar;
    const EditorModel& model = editor.model;
    const Language language = editor.language;
    bar.setText(StatusPart::File, fileStatusText(model.filePath(), model.modified(), language));
    if ((parts & DocumentPart) == 0)
        return;
    bar.setText(StatusPart::Time, timeStatusText(model.document(), language));
    bar.setText(StatusPart::Counts, countStatusText(model.document().elements.size(),
                                                    model.samples().pointCount(), language));
    bar.setText(StatusPart::Clipping, clippingStatusText(editor.view.clipped, language));
}

void ShowDocument(EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    editor.view = makeDocumentView(doc, editor.model.samples());
    ShowDocumentCodes(editor.controls, doc);
    editor.controls.elementList.showRows(doc, editor.view);
    editor.chart.language = editor.language;
    ShowChartDocument(editor.chart, editor.model.samples(), doc.rangeCode, editor.view.spans);
}

void ShowSelection(EditorWindow& editor) {
    editor.controls.elementList.showSelection(editor.selection);
    ShowChartSelection(editor.chart, selectedSpans(editor.view, editor.selection));
}

} // namespace

void Refresh(EditorWindow& editor, unsigned parts) {
    if ((parts & DocumentPart) != 0)
        ShowDocument(editor);
    if ((parts & ReferencePart) != 0)
        ShowChartReference(editor.chart, editor.reference ? &*editor.reference : nullptr);
    if ((parts & (DocumentPart | SelectionPart)) != 0) {
        ShowSelection(editor);
        ShowEditButtons(editor.controls,
                        editButtonStates(editor.model.document(), ActiveRow(editor)));
        ShowMeasures(editor);
    }
    if ((parts & (DocumentPart | ReferencePart)) != 0)
        ShowReferenceDifference(editor);
    if ((parts & (DocumentPart | SelectionPart | MenuPart | ReferencePart)) != 0) {
        if (HMENU menu = GetMenu(editor.window))
            ShowMenuStates(editor, menu);
    }
    if ((parts & (DocumentPart | FilePart)) != 0)
        ShowStatus(editor, parts);
}

void PostSelectionRefresh(EditorWindow& editor) {
    if (editor.selectionRefreshPending)
        return;
    editor.selectionRefreshPending = PostMessageW(editor.window, WM_REFRESH_SELECTION, 0, 0) != 0;
}

void RevealRow(const EditorWindow& editor, int row) {
    editor.controls.elementList.reveal(row);
}

bool ChangeDocument(EditorWindow& editor, const DocumentChangeRun& change) {
    std::optional<RowSelection> selection = change(editor.model);
    if (!selection)
        return false;
    editor.selection = std::move(*selection);
    NoteDocumentChanged(editor);
    Refresh(editor, DocumentPart | SelectionPart);
    RevealRow(editor, firstRow(editor.selection));
    return true;
}

bool ApplyStep(EditorWindow& editor, DocumentStep step) {
    return ChangeDocument(editor,
                          [&step](EditorModel& model) { return model.apply(std::move(step)); });
}

void ApplyOrRefuse(EditorWindow& editor, DocumentStep step) {
    if (step.outcome == CommandOutcome::Refused)
        ShowBudgetExceeded(editor.window, editor.language);
    else
        ApplyStep(editor, std::move(step));
}
