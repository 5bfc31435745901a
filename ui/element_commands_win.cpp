#include "ui/element_commands_win.h"

#include "files/element_clipboard.h"
#include "model/element_commands.h"
#include "model/list_rows.h"
#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/main_controls_win.h"
#include "ui/main_window_win.h"
#include "ui/message_box_win.h"
#include "ui/text_win.h"

#include <commctrl.h>

#include <cstring>
#include <optional>
#include <string>

namespace {

constexpr char BudgetExceeded[] =
    "現在の設定における総時間制限を超過していますので追加できません。";

// Holds the clipboard open for one scope.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

    bool isOpen() const { return open_; }

  private:
    bool open_;
};

bool PutOnClipboard(HWND owner, const std::wstring& text) {
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    OpenClipboardScope clipboard(owner);
    // Once SetClipboardData succeeds the memory is the clipboard's.
    if (!clipboard.isOpen() || !EmptyClipboard() ||
        SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

// The clipboard's text as UTF-8; none when it holds no text. Text far past what a paste takes is
// cut at the limit, so the reader refuses it without converting it all.
std::optional<std::string> ClipboardText(HWND owner) {
    OpenClipboardScope clipboard(owner);
    if (!clipboard.isOpen())
        return std::nullopt;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text == nullptr)
        return std::nullopt;
    const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < units && length <= MaxClipboardBytes && text[length] != L'\0')
        ++length;
    std::string utf8 = Narrow(std::wstring_view(text, length));
    GlobalUnlock(data);
    return utf8;
}

// Runs a command on the document as one step and shows the rows it leaves selected.
template <typename Command> CommandOutcome Apply(EditorWindow& editor, Command command) {
    CommandResult result;
    editor.model.edit([&](SignalDocument& doc) {
        result = command(doc);
        return result.outcome == CommandOutcome::Changed;
    });
    if (result.outcome == CommandOutcome::Changed) {
        ShowDocument(editor);
        SelectRowSet(editor.controls, result.selection);
    }
    return result.outcome;
}

void Copy(EditorWindow& editor) {
    const ElementList elements = copyRows(editor.model.document(), SelectedRows(editor.controls));
    if (!elements.empty())
        PutOnClipboard(editor.window, Widen(elementClipboardText(elements)));
}

void Cut(EditorWindow& editor) {
    const std::vector<int> rows = SelectedRows(editor.controls);
    const ElementList elements = copyRows(editor.model.document(), rows);
    if (elements.empty() || !PutOnClipboard(editor.window, Widen(elementClipboardText(elements))))
        return;
    Apply(editor, [&](SignalDocument& doc) { return deleteRows(doc, rows); });
}

void Paste(EditorWindow& editor) {
    if (!editButtonStates(editor.model.document(), -1).append)
        return;
    const std::optional<std::string> text = ClipboardText(editor.window);
    if (!text)
        return;
    ElementList elements;
    const SettingsReadResult read =
        readElementClipboardText(*text, editor.model.document().sampleInterval, elements);
    if (!read.ok()) {
        ShowError(editor.window, pasteFailureMessage(read, Language::Japanese));
        return;
    }
    const int row = SelectedIndex(editor.controls);
    if (Apply(editor, [&](SignalDocument& doc) { return pasteElements(doc, elements, row); }) ==
        CommandOutcome::Refused)
        ShowError(editor.window, BudgetExceeded);
}

void Duplicate(EditorWindow& editor) {
    const std::vector<int> rows = SelectedRows(editor.controls);
    if (rows.empty())
        return;
    if (Apply(editor, [&](SignalDocument& doc) { return duplicateRows(doc, rows); }) ==
        CommandOutcome::Refused)
        ShowError(editor.window, BudgetExceeded);
}

// One message for every row (item -1), however long the list.
void SelectAll(const EditorWindow& editor) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageW(editor.controls.elementList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                 reinterpret_cast<LPARAM>(&item));
}

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}

void EnableCommand(HMENU menu, int id, bool enabled) {
    EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
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
        Apply(editor, [rows = SelectedRows(editor.controls)](SignalDocument& doc) {
            return moveRowsUp(doc, rows);
        });
        return true;
    case IDM_MOVE_DOWN:
        Apply(editor, [rows = SelectedRows(editor.controls)](SignalDocument& doc) {
            return moveRowsDown(doc, rows);
        });
        return true;
    case IDM_SELECT_ALL:
        SelectAll(editor);
        return true;
    default:
        return false;
    }
}

void UpdateElementCommandStates(const EditorWindow& editor, HMENU menu) {
    const SignalDocument& doc = editor.model.document();
    const int selected = SelectedIndex(editor.controls);
    const EditButtons buttons = editButtonStates(doc, selected);
    const bool rows = selected >= 0;
    for (int id : {IDM_CUT, IDM_COPY, IDM_DUPLICATE, IDM_MOVE_UP, IDM_MOVE_DOWN})
        EnableCommand(menu, id, rows);
    EnableCommand(menu, IDM_PASTE, buttons.append && ClipboardHasText());
    EnableCommand(menu, IDM_SELECT_ALL, !doc.elements.empty() && editor.controls.elementList);
    EnableCommand(menu, IDC_INSERT, buttons.insert);
    EnableCommand(menu, IDC_EDIT, buttons.edit);
    EnableCommand(menu, IDC_DELETE, buttons.remove);
}

std::vector<int> SelectedRows(const MainControls& controls) {
    std::vector<int> rows;
    if (controls.elementList == nullptr)
        return rows;
    int row = -1;
    // LVM_GETNEXTITEM answers -1 after the last selected row.
    while ((row = static_cast<int>(SendMessageW(controls.elementList, LVM_GETNEXTITEM,
                                                static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0)
        rows.push_back(row);
    return rows;
}

void ShowListMenu(EditorWindow& editor, POINT at) {
    HMENU resource = LoadMenuW(AppInstance, L"LISTMENU");
    if (resource == nullptr)
        return;
    HMENU menu = GetSubMenu(resource, 0);
    UpdateElementCommandStates(editor, menu);
    // The chosen command arrives as WM_COMMAND, like the menu bar's.
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, editor.window, nullptr);
    DestroyMenu(resource);
}
