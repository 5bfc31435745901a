#include "ui/element_list_win.h"

#include "canvas/draw_list.h"
#include "model/selection_plan.h"
#include "ui/app_state_win.h"
#include "ui/text_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <optional>
#include <string_view>

namespace {

constexpr DWORD ListStyle =
    WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_OWNERDATA;

constexpr TextId ColumnHeaders[ListColumnCount] = {TextId::ColumnNumber, TextId::ColumnType,
                                                   TextId::ColumnTime, TextId::ColumnParameters};

void AddColumns(HWND list, int dpi, Language language) {
    for (int index = 0; index < ListColumnCount; ++index) {
        std::wstring header = Widen(text(ColumnHeaders[index], language));
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = ScaleForDpi(ListColumnWidths[static_cast<std::size_t>(index)], dpi);
        column.pszText = header.data();
        column.iSubItem = index;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&column));
    }
}

bool SelectionChanged(UINT oldState, UINT newState) {
    return ((oldState ^ newState) & LVIS_SELECTED) != 0;
}

bool KeyHeld(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// Whether the message makes the control select one row alone: a plain click, a right-click on a
// row that is not selected, or a plain key that moves to another row.
bool SelectsOneRowAlone(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        return (wParam & (MK_SHIFT | MK_CONTROL)) == 0;
    case WM_RBUTTONDOWN: {
        LVHITTESTINFO hit{};
        hit.pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const auto row =
            static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        return row >= 0 &&
               (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) &
                LVIS_SELECTED) == 0;
    }
    case WM_KEYDOWN:
        switch (wParam) {
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
            return !KeyHeld(VK_SHIFT) && !KeyHeld(VK_CONTROL);
        default:
            return false;
        }
    default:
        return false;
    }
}

} // namespace

bool ElementListView::create(HWND parent, int id, HFONT font, int dpi, Language language) {
    language_ = language;
    const Placement& at = ElementListPlace;
    window_ = CreateWindowExW(
        0, WC_LISTVIEWW, L"", ListStyle, ScaleForDpi(at.x, dpi), ScaleForDpi(at.y, dpi),
        ScaleForDpi(at.width, dpi), ScaleForDpi(at.height, dpi), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance, nullptr);
    if (window_ == nullptr)
        return false;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    const auto extended = SendMessageW(window_, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(window_, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    AddColumns(window_, dpi, language);
    return true;
}

// The control unselects the other rows of a long selection one by one, each with its own
// notifications, before it selects one row alone. Unselecting them first takes one message and
// one notification.
void ElementListView::beforeUserInput(const MSG& message) {
    if (message.hwnd == window_ && window_ != nullptr &&
        SelectsOneRowAlone(window_, message.message, message.wParam, message.lParam))
        unselectAllFirst();
}

void ElementListView::unselectAllFirst() {
    if (rowCount(shown_) <= 1)
        return;
    // Row -1: reported once, as the user's change.
    SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    setState(-1, 0, LVIS_SELECTED);
    SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window_, nullptr, TRUE);
}

void ElementListView::showLanguage(Language language, HFONT font) {
    language_ = language;
    textRow_ = -1;
    if (window_ == nullptr)
        return;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    for (int index = 0; index < ListColumnCount; ++index) {
        std::wstring header = Widen(text(ColumnHeaders[index], language));
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = header.data();
        SendMessageW(window_, LVM_SETCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&column));
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void ElementListView::showRows(const SignalDocument& doc, const DocumentView& view) {
    doc_ = &doc;
    view_ = &view;
    textRow_ = -1;
    if (window_ == nullptr)
        return;
    const int rows = static_cast<int>(doc.elements.size());
    // A new count redraws the whole list and sets its scroll bar, which takes milliseconds even
    // when nothing changes for it: an edit within the rows only redraws them.
    if (rows != rowCount_) {
        rowCount_ = rows;
        // Whatever the control reports of rows it drops is not the user's doing.
        pushing_ = true;
        SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows), LVSICF_NOSCROLL);
        pushing_ = false;
        // The control keeps the selected rows that are still in the list. Should it have kept
        // otherwise, the next selection is pushed whole.
        shown_ = rowsBelow(shown_, rows);
        shownStale_ = shownStale_ || SendMessageW(window_, LVM_GETSELECTEDCOUNT, 0, 0) !=
                                         static_cast<LRESULT>(rowCount(shown_));
    } else {
        InvalidateRect(window_, nullptr, TRUE);
    }
}

void ElementListView::setState(int row, UINT state, UINT mask) const {
    LVITEMW item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageW(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

// A new row count that neither scrolls to the focused row nor repaints the whole list.
constexpr LPARAM Quietly = LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL;

void ElementListView::showSelection(const RowSelection& selection) {
    if (window_ == nullptr || (selection == shown_ && !shownStale_))
        return;
    const int top = static_cast<int>(SendMessageW(window_, LVM_GETTOPINDEX, 0, 0));
    const int page = static_cast<int>(SendMessageW(window_, LVM_GETCOUNTPERPAGE, 0, 0));
    const SelectionPlan plan =
        planSelection({shown_, !shownStale_, selection, rowCount_, top + page});
    pushing_ = true;
    if (plan.holdRepaint)
        SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
    // LVM_GETNEXTITEM answers -1 when no row has the focus.
    const int focused = static_cast<int>(
        SendMessageW(window_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= 0)
        setState(focused, 0, LVIS_FOCUSED);
    if (plan.selectAllBefore > 0)
        selectAllBefore(plan.selectAllBefore);
    if (plan.unselectAll)
        unselectAll();
    setRuns(plan.unselect, 0);
    setRuns(plan.select, LVIS_SELECTED);
    // Should the control have taken any of it otherwise, the selection goes the plain way after
    // all: row -1, then row by row.
    if (SendMessageW(window_, LVM_GETSELECTEDCOUNT, 0, 0) !=
        static_cast<LRESULT>(rowCount(selection))) {
        setState(-1, 0, LVIS_SELECTED);
        setRuns(selection, LVIS_SELECTED);
    }
    if (plan.holdRepaint) {
        SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(window_, nullptr, TRUE);
    }
    shown_ = selection;
    shownStale_ = false;
    pushing_ = false;
}

// Row -1 visits every row; a list emptied for a moment has none selected at once.
void ElementListView::unselectAll() const {
    if (static_cast<std::size_t>(rowCount_) * AllRowsCost <= EmptyListCost) {
        setState(-1, 0, LVIS_SELECTED);
        return;
    }
    const auto top = static_cast<int>(SendMessageW(window_, LVM_GETTOPINDEX, 0, 0));
    SendMessageW(window_, LVM_SETITEMCOUNT, 0, Quietly);
    SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rowCount_), Quietly);
    // A list view may keep its scroll position through the empty moment (Wine's does) or go back
    // to the top; it scrolls in whole rows.
    const auto now = static_cast<int>(SendMessageW(window_, LVM_GETTOPINDEX, 0, 0));
    if (now != top) {
        RECT row{LVIR_BOUNDS, 0, 0, 0};
        SendMessageW(window_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        SendMessageW(window_, LVM_SCROLL, 0, (top - now) * (row.bottom - row.top));
    }
}

// Row -1 selects every row of the list; with the list cut short for a moment, every row before
// end.
void ElementListView::selectAllBefore(int end) const {
    if (end < rowCount_)
        SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(end), Quietly);
    setState(-1, LVIS_SELECTED, LVIS_SELECTED);
    if (end < rowCount_)
        SendMessageW(window_, LVM_SETITEMCOUNT, static_cast<WPARAM>(rowCount_), Quietly);
}

void ElementListView::setRuns(const RowSelection& runs, UINT state) const {
    for (const RowRange& range : runs.ranges)
        for (int row = range.first; row < range.last; ++row)
            setState(row, state, LVIS_SELECTED);
}

void ElementListView::reveal(int row) const {
    if (window_ != nullptr && row >= 0)
        SendMessageW(window_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

POINT ElementListView::pointBelowRow(int row) const {
    RECT bounds{LVIR_BOUNDS, 0, 0, 0};
    SendMessageW(window_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&bounds));
    POINT point{bounds.left, bounds.bottom};
    ClientToScreen(window_, &point);
    return point;
}

void ElementListView::provideCellText(LVITEMW& item) {
    const auto column = static_cast<std::size_t>(item.iSubItem);
    if ((item.mask & LVIF_TEXT) == 0 || column >= rowTexts_.size() || doc_ == nullptr)
        return;
    if (item.iItem != textRow_) {
        const std::optional<ListRow> row = shownRow(*doc_, *view_, item.iItem, language_);
        rowTexts_ = row ? std::array{Widen(row->number), Widen(row->typeName),
                                     Widen(row->startTime), Widen(row->summary)}
                        : decltype(rowTexts_){};
        textRow_ = item.iItem;
    }
    item.pszText = rowTexts_[column].data();
}

// Rows of elements with clipped samples are written in the warning colour.
LRESULT ElementListView::onCustomDraw(NMLVCUSTOMDRAW& draw) const {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT && view_ != nullptr &&
        isClippedRow(*view_, static_cast<int>(draw.nmcd.dwItemSpec)))
        draw.clrText = WarningColour;
    return CDRF_DODEFAULT;
}

void ElementListView::takeUserChange(RowRange rows, bool selected, ElementListEvents& events) {
    if (pushing_)
        return;
    setRows(shown_, rows, selected);
    events.onListSelectionChanged(rows, selected);
}

LRESULT ElementListView::onNotify(NMHDR& header, ElementListEvents& events) {
    switch (header.code) {
    case LVN_ITEMCHANGED: {
        // Item -1: the change was made to every row at once.
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (SelectionChanged(change.uOldState, change.uNewState)) {
            const RowRange rows = change.iItem < 0 ? RowRange{0, rowCount_}
                                                   : RowRange{change.iItem, change.iItem + 1};
            takeUserChange(rows, (change.uNewState & LVIS_SELECTED) != 0, events);
        }
        return 0;
    }
    case LVN_ODSTATECHANGED: {
        // A run of rows, as a Shift+click selects it; iTo is the run's last row.
        const auto& change = reinterpret_cast<const NMLVODSTATECHANGE&>(header);
        if (SelectionChanged(change.uOldState, change.uNewState))
            takeUserChange({change.iFrom, change.iTo + 1}, (change.uNewState & LVIS_SELECTED) != 0,
                           events);
        return 0;
    }
    case LVN_KEYDOWN:
        events.onListKey(reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
        return 0;
    case NM_DBLCLK:
        if (const int row = reinterpret_cast<const NMITEMACTIVATE&>(header).iItem; row >= 0)
            events.onListRowActivated(row);
        return 0;
    case LVN_GETDISPINFOW:
        provideCellText(reinterpret_cast<NMLVDISPINFOW&>(header).item);
        return 0;
    case NM_CUSTOMDRAW:
        return onCustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    default:
        return 0;
    }
}
