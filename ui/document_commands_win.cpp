#include "ui/document_commands_win.h"

#include "model/document_step.h"
#include "model/tables.h"
#include "ui/editor_refresh_win.h"
#include "ui/editor_window_win.h"
#include "ui/message_box_win.h"
#include "ui/param_dialog_win.h"

#include <optional>

namespace {

// The step the dialog's OK makes of its element; the dialog asks it first whether it is refused.
DocumentStep DialogStep(ParamDialogMode mode, const SignalDocument& doc,
                        const SignalElement& element, int row) {
    switch (mode) {
    case ParamDialogMode::Insert:
        return insertElement(doc, element, row);
    case ParamDialogMode::Edit:
        return replaceElement(doc, element, row);
    case ParamDialogMode::Append:
        break;
    }
    return appendElement(doc, element);
}

void OpenDialog(EditorWindow& editor, ParamDialogMode mode, int row) {
    const SignalDocument& doc = editor.model.document();
    ParamDialogRequest request{mode, {}, doc, editor.language, {}};
    if (mode == ParamDialogMode::Edit)
        request.element = doc.elements[static_cast<std::size_t>(row)];
    request.fits = [&doc, mode, row](const SignalElement& element) {
        return DialogStep(mode, doc, element, row).outcome != CommandOutcome::Refused;
    };
    const std::optional<SignalElement> element = OpenParamDialog(editor.window, request);
    if (element)
        ApplyStep(editor, DialogStep(mode, doc, *element, row));
}

} // namespace

void OnAppendButton(EditorWindow& editor) {
    OpenDialog(editor, ParamDialogMode::Append, -1);
}

void OnInsertButton(EditorWindow& editor) {
    const int row = ActiveRow(editor);
    if (row >= 0)
        OpenDialog(editor, ParamDialogMode::Insert, row);
}

void OnEditButton(EditorWindow& editor) {
    const int row = ActiveRow(editor);
    if (row >= 0)
        OpenDialog(editor, ParamDialogMode::Edit, row);
}

void OnDeleteButton(EditorWindow& editor) {
    ApplyStep(editor, deleteElement(editor.model.document(), ActiveRow(editor)));
}

void OnOutputRangeChosen(EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    const int chosen = rangeCodeAtPosition(editor.controls.rangeCombo.selection());
    if (rangeChangeNeedsConfirmation(doc, chosen) &&
        !AskYesNo(editor.window, "レンジを変更すると編集中のデータが失われますがよろしいですか?",
                  "確認")) {
        editor.controls.rangeCombo.select(positionOfRangeCode(doc.rangeCode));
        return;
    }
    ApplyStep(editor, changeRange(doc, chosen));
}

void OnResolutionChosen(EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    const int chosen = resolutionCodeAtPosition(editor.controls.resolutionCombo.selection());
    if (resolutionChangeNeedsConfirmation(doc, chosen) &&
        !AskYesNo(editor.window, "分解能を変更すると編集中のデータが失われますがよろしいですか?",
                  "確認")) {
        editor.controls.resolutionCombo.select(positionOfResolutionCode(doc.resolutionCode));
        return;
    }
    ApplyStep(editor, changeResolution(doc, chosen));
}

void OnDisplayPeriodChosen(EditorWindow& editor) {
    SetChartPeriod(editor.chart, editor.controls.periodCombo.selection());
}
