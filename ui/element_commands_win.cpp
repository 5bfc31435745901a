#include "ui/element_commands_win.h"

#include "files/element_clipboard.h"
#include "files/import_form.h"
#include "model/element_commands.h"
#include "model/list_rows.h"
#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/clipboard_win.h"
#include "ui/editor_refresh_win.h"
#include "ui/editor_window_win.h"
#include "ui/import_command_win.h"
#include "ui/menu_states_win.h"
#include "ui/menu_texts_win.h"
#include "ui/message_box_win.h"

#include <optional>
#include <string>

namespace {

void Copy(EditorWindow& editor) {
    const ElementList elements = copyRows(editor.model.document(), editor.selection);
    if (!elements.empty())
        PutOnClipboard(editor.window, elementClipboardText(elements));
}

void Cut(EditorWindow& editor) {
    const ElementList elements = copyRows(editor.model.document(), editor.selection);
    if (elements.empty() || !PutOnClipboard(editor.window, elementClipboardText(elements)))
        return;
    ApplyStep(editor, deleteRows(editor.model.document(), editor.selection));
}

void Paste(EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    const std::optional<std::string> clipboard = ClipboardText(editor.window);
    if (!clipboard)
        return;
    // Columns of numbers copied from a spreadsheet are points to import, not elements; the
    // import chooses the range and resolution of a new document itself.
    if (isPointColumns(*clipboard)) {
        CmdImport(editor, {}, *clipboard);
        return;
    }
    if (!editButtonStates(doc, -1).append) {
        ShowError(editor.window, editor.language,
                  text(TextId::ExportChooseRangeAndResolution, editor.language));
        return;
    }
    ElementList elements;
    const SettingsReadResult read =
        readElementClipboardText(*clipboard, doc.sampleInterval, elements);
    if (!read.ok()) {
        ShowError(editor.window, editor.language, pasteFailureMessage(read, editor.language));
        return;
    }
    ApplyOrRefuse(editor, pasteElements(doc, elements, firstRow(editor.selection)));
}

void Duplicate(EditorWindow& editor) {
    if (!isEmpty(editor.selection))
        ApplyOrRefuse(editor, duplicateRows(editor.model.document(), editor.selection));
}

void SelectAll(EditorWindow& editor) {
    if (editor.controls.elementList.window() == nullptr)
        return;
    editor.selection = rowSpan(0, static_cast<int>(editor.model.document().elements.size()));
    Refresh(editor, SelectionPart);
}

} // namespace

bool RunElementCommand(EditorWindow& editor, int id) {
    switch (id) {
    case IDM_CUT:
        Cut(editor);
        return true;
    case IDM_COPY:
        Copy(editor);
        return true;
    case IDM_PASTE:
        Paste(editor);
        return true;
    case IDM_DUPLICATE:
        Duplicate(editor);
        return true;
    case IDM_MOVE_UP:
        ApplyStep(editor, moveRowsUp(editor.model.document(), editor.selection));
        return true;
    case IDM_MOVE_DOWN:
        ApplyStep(editor, moveRowsDown(editor.model.document(), editor.selection));
        return true;
    case IDM_SELECT_ALL:
        SelectAll(editor);
        return true;
    default:
        return false;
    }
}

void ShowListMenu(EditorWindow& editor, POINT at) {
    HMENU resource = LoadMenuW(AppInstance, L"LISTMENU");
    if (resource == nullptr)
        return;
    HMENU menu = GetSubMenu(resource, 0);
    ShowMenuTexts(menu, editor.language);
    ShowMenuStates(editor, menu);
    // The chosen command arrives as WM_COMMAND, like the menu bar's.
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, editor.window, nullptr);
    DestroyMenu(resource);
}
