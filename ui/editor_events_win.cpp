#include "ui/editor_events_win.h"

#include "ui/document_commands_win.h"
#include "ui/editor_refresh_win.h"
#include "ui/editor_window_win.h"

void EditorEvents::onListSelectionChanged(RowRange rows, bool selected) {
    setRows(editor_.selection, rows, selected);
    // The buttons follow at once; the chart and the menu once the list is done reporting.
    ShowEditButtons(editor_.controls,
                    editButtonStates(editor_.model.document(), ActiveRow(editor_)));
    PostSelectionRefresh(editor_);
}

// Insert and Delete on the list do what their buttons do.
void EditorEvents::onListKey(WORD key) {
    if (key == VK_INSERT)
        OnInsertButton(editor_);
    else if (key == VK_DELETE)
        OnDeleteButton(editor_);
}

void EditorEvents::onListRowActivated(int) {
    OnEditButton(editor_);
}

void EditorEvents::onChartElementClicked(int element, bool add) {
    if (editor_.controls.elementList.window() == nullptr)
        return;
    if (add)
        setRows(editor_.selection, {element, element + 1}, true);
    else
        editor_.selection = rowSpan(element, 1);
    Refresh(editor_, SelectionPart);
    RevealRow(editor_, element);
}

void EditorEvents::onChartElementDoubleClicked(int element) {
    if (editor_.controls.elementList.window() == nullptr)
        return;
    editor_.selection = rowSpan(element, 1);
    Refresh(editor_, SelectionPart);
    RevealRow(editor_, element);
    OnEditButton(editor_);
}

void EditorEvents::onChartPeriodChanged(int position) {
    editor_.controls.periodCombo.select(position);
}

void EditorEvents::onChartReadoutChanged(std::string_view text) {
    editor_.controls.statusBar.setText(StatusPart::Readout, text);
}
