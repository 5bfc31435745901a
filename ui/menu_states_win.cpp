#include "ui/menu_states_win.h"

#include "model/list_rows.h"
#include "resources/resource.h"
#include "ui/clipboard_win.h"
#include "ui/editor_window_win.h"

namespace {

void EnableCommand(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

} // namespace

void ShowMenuStates(const EditorWindow& editor, HMENU menu) {
    const SignalDocument& doc = editor.model.document();
    const EditButtons buttons = editButtonStates(doc, ActiveRow(editor));
    const bool rows = !isEmpty(editor.selection);
    EnableCommand(menu, IDM_UNDO, editor.model.canUndo());
    EnableCommand(menu, IDM_CLOSE_REFERENCE, editor.reference.has_value());
    EnableCommand(menu, IDM_REDO, editor.model.canRedo());
    for (int id : {IDM_CUT, IDM_COPY, IDM_DUPLICATE, IDM_REPEAT, IDM_MOVE_UP, IDM_MOVE_DOWN})
        EnableCommand(menu, id, rows);
    // Columns of numbers may be pasted before a range is chosen: they open the import.
    EnableCommand(menu, IDM_PASTE, ClipboardHasText());
    EnableCommand(menu, IDM_SELECT_ALL,
                  !doc.elements.empty() && editor.controls.elementList.window() != nullptr);
    EnableCommand(menu, IDC_INSERT, buttons.insert);
    EnableCommand(menu, IDC_EDIT, buttons.edit);
    EnableCommand(menu, IDC_DELETE, buttons.remove);
}
