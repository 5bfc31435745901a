#include "ui/generate_commands_win.h"

#include "model/element_commands.h"
#include "model/import_step.h"
#include "ui/editor_refresh_win.h"
#include "ui/generate_dialog_win.h"
#include "ui/repeat_dialog_win.h"

void CmdGenerate(EditorWindow& editor, std::optional<GeneratorKind> kind) {
    const SignalDocument& doc = editor.model.document();
    GeneratorForm form = editor.lastGenerator.value_or(startGeneratorForm(doc));
    followDocument(form, doc);
    if (kind)
        form.kind = *kind;
    std::optional<GenerateDialogResult> result =
        OpenGenerateDialog(editor.window, form, editor.language);
    if (!result)
        return;
    editor.lastGenerator = std::move(result->form);
    ApplyOrRefuse(editor,
                  importElements(editor.model.document(), result->elements, result->rangeCode,
                                 result->resolutionCode, ActiveRow(editor)));
}

void CmdRepeat(EditorWindow& editor) {
    if (isEmpty(editor.selection))
        return;
    const std::optional<int> count = AskRepeatCount(editor.window, editor.language);
    if (count)
        ApplyOrRefuse(editor, repeatRows(editor.model.document(), editor.selection, *count));
}
