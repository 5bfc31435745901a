#include "ui/main_controls_win.h"

#include "canvas/canvas_setup.h"
#include "canvas/view_scroll.h"
#include "model/clipping.h"
#include "model/list_rows.h"
#include "model/status_texts.h"
#include "model/tables.h"
#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/chart_links_win.h"
#include "ui/main_window_win.h"
#include "ui/message_box_win.h"
#include "ui/param_dialog_win.h"
#include "ui/text_win.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

constexpr DWORD LabelStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD ComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
// The rows come from the document on request (owner data): a refresh costs the same at any
// length of the list.
constexpr DWORD ListStyle =
    WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_OWNERDATA;
constexpr DWORD ButtonStyle = WS_CHILD | WS_VISIBLE;

struct Placement {
    int x, y, width, height; // at 96 dpi
};

HWND CreateControl(const EditorWindow& editor, const wchar_t* className, std::string_view text,
                   DWORD style, int id, Placement at) {
    const int dpi = editor.dpi;
    HWND control = CreateWindowExW(
        0, className, Widen(text).c_str(), style, ScaleForDpi(at.x, dpi), ScaleForDpi(at.y, dpi),
        ScaleForDpi(at.width, dpi), ScaleForDpi(at.height, dpi), editor.window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance, nullptr);
    if (control != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(editor.font), TRUE);
    return control;
}

void AddComboEntry(HWND combo, std::string_view text) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void SelectComboEntry(HWND combo, int entry) {
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

int ComboSelection(HWND combo) {
    // CB_ERR (-1) when no entry is selected.
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

void CreateSelectionCombos(EditorWindow& editor) {
    MainControls& controls = editor.controls;
    CreateControl(editor, L"STATIC", "出力レンジ", LabelStyle, IDC_LABEL_OUTPUT_RANGE,
                  {730, 53, 300, 20});
    controls.rangeCombo =
        CreateControl(editor, L"COMBOBOX", "", ComboStyle, IDC_OUTPUT_RANGE, {830, 50, 140, 150});
    for (int code : RangeCodeAtPosition)
        AddComboEntry(controls.rangeCombo, text(outputRange(code).name, Language::Japanese));

    CreateControl(editor, L"STATIC", "分解能/最大時間", LabelStyle, IDC_LABEL_RESOLUTION,
                  {730, 93, 300, 20});
    controls.resolutionCombo =
        CreateControl(editor, L"COMBOBOX", "", ComboStyle, IDC_RESOLUTION, {830, 90, 140, 150});
    for (int code : ResolutionCodeAtPosition)
        AddComboEntry(controls.resolutionCombo, text(resolution(code).name, Language::Japanese));

    CreateControl(editor, L"STATIC", "表示期間", LabelStyle, IDC_LABEL_DISPLAY_PERIOD,
                  {730, 133, 300, 20});
    controls.periodCombo = CreateControl(editor, L"COMBOBOX", "", ComboStyle, IDC_DISPLAY_PERIOD,
                                         {830, 130, 140, 150});
    for (int position = 0; position < DisplayPeriodCount; ++position)
        AddComboEntry(controls.periodCombo, text(displayPeriod(position).name, Language::Japanese));
    // Selecting by program sends no CBN_SELCHANGE: the chart keeps the span it was created with,
    // which is this same entry's.
    SelectComboEntry(controls.periodCombo, InitialDisplayPeriod);
}

struct Column {
    std::string_view header;
    int width; // at 96 dpi
};

// The number column leaves room for the mark of clipped samples after a four-digit number.
constexpr Column ListColumns[] = {{"番号", 56}, {"タイプ", 150}, {"時間", 60}, {"パラメータ", 434}};
static_assert(std::size(ListColumns) == std::tuple_size_v<decltype(MainControls::rowTexts)>);

void AddListColumns(HWND list, int dpi) {
    int index = 0;
    for (const Column& column : ListColumns) {
        std::wstring header = Widen(column.header);
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        lvc.fmt = LVCFMT_LEFT;
        lvc.cx = ScaleForDpi(column.width, dpi);
        lvc.pszText = header.data();
        lvc.iSubItem = index;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&lvc));
        ++index;
    }
}

void CreateEditButtons(EditorWindow& editor) {
    MainControls& controls = editor.controls;
    controls.appendButton = CreateControl(editor, L"BUTTON", "末尾に追加", ButtonStyle, IDC_APPEND,
                                          {750, 480, 120, 24});
    controls.insertButton =
        CreateControl(editor, L"BUTTON", "挿入", ButtonStyle, IDC_INSERT, {750, 520, 120, 24});
    controls.editButton =
        CreateControl(editor, L"BUTTON", "編集", ButtonStyle, IDC_EDIT, {750, 560, 120, 24});
    controls.deleteButton =
        CreateControl(editor, L"BUTTON", "削除", ButtonStyle, IDC_DELETE, {750, 600, 120, 24});
    for (HWND button :
         {controls.appendButton, controls.insertButton, controls.editButton, controls.deleteButton})
        EnableWindow(button, FALSE);
}

// Parts of the status bar at 96 dpi, by their right edges; the last runs to the window's edge:
// file, total time, counts, samples outside the range, cursor readout.
constexpr int StatusPartEdges[] = {230, 380, 520, 760, -1};

void CreateStatusBar(EditorWindow& editor) {
    HWND bar = CreateWindowExW(
        0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, editor.window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), AppInstance, nullptr);
    editor.controls.statusBar = bar;
    if (bar == nullptr)
        return;
    SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(editor.font), TRUE);
    int edges[std::size(StatusPartEdges)];
    for (std::size_t i = 0; i < std::size(StatusPartEdges); ++i)
        edges[i] = StatusPartEdges[i] < 0 ? -1 : ScaleForDpi(StatusPartEdges[i], editor.dpi);
    SendMessageW(bar, SB_SETPARTS, std::size(edges), reinterpret_cast<LPARAM>(edges));
}

// The list shows the document's rows from the top of what it showed before, none selected.
void ShowElementList(MainControls& controls, const ElementList& elements) {
    controls.textRow = -1;
    SelectRows(controls, 0, 0);
    HWND list = controls.elementList;
    // A new count redraws the whole list and sets its scroll bar, which takes milliseconds even
    // when nothing changes for it: an edit within the rows only redraws them.
    if (static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) != elements.size())
        SendMessageW(list, LVM_SETITEMCOUNT, elements.size(), LVSICF_NOSCROLL);
    else
        InvalidateRect(list, nullptr, TRUE);
}

// The clipped elements are in list order.
bool HasClippedSamples(const std::vector<ClippedElement>& clipped, int row) {
    const auto found = std::lower_bound(
        clipped.begin(), clipped.end(), row,
        [](const ClippedElement& element, int index) { return element.element < index; });
    return found != clipped.end() && found->element == row;
}

// The number cell of an element with clipped samples carries a mark.
std::string NumberText(const ListRow& texts, bool clipped) {
    return clipped ? texts.number + " !" : texts.number;
}

// Rows of elements with clipped samples are written in the warning colour.
LRESULT OnListCustomDraw(const EditorWindow& editor, NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT &&
        HasClippedSamples(editor.clipped, static_cast<int>(draw.nmcd.dwItemSpec)))
        draw.clrText = WarningColour;
    return CDRF_DODEFAULT;
}

// Hands the list view the text of the cell it is about to show or is asked for.
void ProvideCellText(EditorWindow& editor, LVITEMW& item) {
    MainControls& controls = editor.controls;
    const auto column = static_cast<std::size_t>(item.iSubItem);
    if ((item.mask & LVIF_TEXT) == 0 || column >= controls.rowTexts.size())
        return;
    if (item.iItem != controls.textRow) {
        const std::optional<ListRow> row = listRowAt(
            editor.model.document().elements, editor.chart.spans, item.iItem, Language::Japanese);
        controls.rowTexts =
            row ? std::array{Widen(NumberText(*row, HasClippedSamples(editor.clipped, item.iItem))),
                             Widen(row->typeName), Widen(row->startTime), Widen(row->summary)}
                : decltype(controls.rowTexts){};
        controls.textRow = item.iItem;
    }
    item.pszText = controls.rowTexts[column].data();
}

void ShowWholeView(CanvasWindow& chart) {
    setView(chart.canvas, 0, chart.canvas.displaySpan, 0, chart);
}

// Selects the entries of the document's codes without asking anything; none while a code is
// not chosen yet.
void ShowDocumentCodes(EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    SelectComboEntry(editor.controls.resolutionCombo,
                     doc.resolutionCode < 0 ? -1 : positionOfResolutionCode(doc.resolutionCode));
    SelectComboEntry(editor.controls.rangeCombo,
                     doc.rangeCode < 0 ? -1 : positionOfRangeCode(doc.rangeCode));
    applyOutputRange(*editor.chart.outputTrace, doc.rangeCode);
}

// A row the user can act on (the lowest selected one), or -1.
int ActiveRow(const EditorWindow& editor) {
    const int row = SelectedIndex(editor.controls);
    return elementAtRow(editor.model.document().elements, row) ? row : -1;
}

void OpenDialog(EditorWindow& editor, ParamDialogMode mode, int row) {
    const SignalDocument& doc = editor.model.document();
    ParamDialogRequest request{mode, {}, doc, {}};
    if (mode == ParamDialogMode::Edit)
        request.element = doc.elements[static_cast<std::size_t>(row)];
    const int replaced = mode == ParamDialogMode::Edit ? row : -1;
    request.fits = [&doc, replaced](const SignalElement& element) {
        return fitsTimeBudget(doc, element, replaced);
    };
    const std::optional<SignalElement> element = OpenParamDialog(editor.window, request);
    if (!element)
        return;
    EditorModel& model = editor.model;
    const bool applied = mode == ParamDialogMode::Insert ? model.insertElement(*element, row)
                         : mode == ParamDialogMode::Edit ? model.replaceElement(*element, row)
                                                         : model.appendElement(*element);
    if (applied)
        ShowDocument(editor);
}

// Insert and Delete on the list do what their buttons do.
void OnListKey(EditorWindow& editor, WORD key) {
    if (key == VK_INSERT)
        OnInsertButton(editor);
    else if (key == VK_DELETE)
        OnDeleteButton(editor);
}

} // namespace

void CreateMainControls(EditorWindow& editor) {
    editor.controls = {};
    CreateSelectionCombos(editor);
    CreateStatusBar(editor);
    MainControls& controls = editor.controls;
    controls.elementList =
        CreateControl(editor, WC_LISTVIEWW, "", ListStyle, IDC_ELEMENT_LIST, {20, 450, 700, 185});
    if (controls.elementList != nullptr) {
        const auto extended =
            SendMessageW(controls.elementList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
        SendMessageW(controls.elementList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                     extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
        AddListColumns(controls.elementList, editor.dpi);
        CreateEditButtons(editor);
    }
    ShowDocument(editor);
}

void ShowDocument(EditorWindow& editor) {
    ShowDocumentCodes(editor);
    const ElementList& elements = editor.model.document().elements;
    editor.clipped = clippedElements(editor.model.document(), editor.model.samples());
    // The rows' start times and the chart's element spans are the same sums.
    editor.chart.spans = elementSpans(elements);
    if (editor.controls.elementList != nullptr)
        ShowElementList(editor.controls, elements);
    editor.chart.outputTrace->points = &editor.model.samples();
    editor.chart.selectedSpans.clear();
    ShowWholeView(editor.chart);
    UpdateButtonStates(editor);
    UpdateMenuStates(editor);
    UpdateStatusBar(editor);
}

void UpdateButtonStates(EditorWindow& editor) {
    const MainControls& controls = editor.controls;
    // Without the list view there are no buttons to enable.
    if (controls.appendButton == nullptr)
        return;
    const EditButtons enabled = editButtonStates(editor.model.document(), SelectedIndex(controls));
    EnableWindow(controls.appendButton, enabled.append);
    EnableWindow(controls.insertButton, enabled.insert);
    EnableWindow(controls.editButton, enabled.edit);
    EnableWindow(controls.deleteButton, enabled.remove);
}

void UpdateStatusBar(EditorWindow& editor) {
    HWND bar = editor.controls.statusBar;
    if (bar == nullptr)
        return;
    const EditorModel& model = editor.model;
    SetStatusPart(bar, 0, fileStatusText(model.filePath(), model.modified(), Language::Japanese));
    SetStatusPart(bar, 1, timeStatusText(model.document(), Language::Japanese));
    SetStatusPart(bar, 2,
                  countStatusText(model.document().elements.size(), model.samples().pointCount(),
                                  Language::Japanese));
    SetStatusPart(bar, 3, clippingStatusText(editor.clipped, Language::Japanese));
}

void SetStatusPart(HWND bar, int part, std::string_view text) {
    SendMessageW(bar, SB_SETTEXTW, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

int SelectedIndex(const MainControls& controls) {
    if (controls.elementList == nullptr)
        return -1;
    // The lowest selected row when several are selected; -1 when none is.
    return static_cast<int>(SendMessageW(controls.elementList, LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectRows(const MainControls& controls, int first, int count) {
    std::vector<int> rows;
    for (int row = first; row < first + count; ++row)
        rows.push_back(row);
    SelectRowSet(controls, rows);
}

void SelectRowSet(const MainControls& controls, const std::vector<int>& rows) {
    HWND list = controls.elementList;
    if (list == nullptr)
        return;
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    // Row by row: unselecting every row at once (item -1) visits each row of the list, while
    // the rows to find are few.
    for (const UINT mark : {LVNI_SELECTED, LVNI_FOCUSED}) {
        int row = -1;
        while ((row = static_cast<int>(
                    SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), mark))) != -1)
            SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                         reinterpret_cast<LPARAM>(&item));
    }
    item.state = LVIS_SELECTED;
    for (int row : rows)
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    if (!rows.empty())
        SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(rows.front()), FALSE);
}

LRESULT OnElementListNotify(EditorWindow& editor, NMHDR& header) {
    switch (header.code) {
    case LVN_ITEMCHANGED: {
        UpdateButtonStates(editor);
        const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if (((change.uOldState ^ change.uNewState) & LVIS_SELECTED) != 0)
            OnListSelectionChanged(editor);
        return 0;
    }
    case LVN_KEYDOWN:
        OnListKey(editor, reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
        return 0;
    case NM_DBLCLK:
        if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0)
            OnEditButton(editor);
        return 0;
    case LVN_GETDISPINFOW:
        ProvideCellText(editor, reinterpret_cast<NMLVDISPINFOW&>(header).item);
        return 0;
    case NM_CUSTOMDRAW:
        return OnListCustomDraw(editor, reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    default:
        return 0;
    }
}

void OnDisplayPeriodChanged(EditorWindow& editor) {
    applyDisplayPeriod(editor.chart.canvas, ComboSelection(editor.controls.periodCombo),
                       editor.chart);
}

void OnOutputRangeChanged(EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    const int chosen = rangeCodeAtPosition(ComboSelection(editor.controls.rangeCombo));
    if (rangeChangeNeedsConfirmation(doc, chosen) &&
        !AskYesNo(editor.window, "レンジを変更すると編集中のデータが失われますがよろしいですか?",
                  "確認")) {
        SelectComboEntry(editor.controls.rangeCombo, positionOfRangeCode(doc.rangeCode));
        return;
    }
    if (editor.model.changeRange(chosen))
        ShowDocument(editor);
}

void OnResolutionChanged(EditorWindow& editor) {
    const SignalDocument& doc = editor.model.document();
    const int chosen = resolutionCodeAtPosition(ComboSelection(editor.controls.resolutionCombo));
    if (resolutionChangeNeedsConfirmation(doc, chosen) &&
        !AskYesNo(editor.window, "分解能を変更すると編集中のデータが失われますがよろしいですか?",
                  "確認")) {
        SelectComboEntry(editor.controls.resolutionCombo,
                         positionOfResolutionCode(doc.resolutionCode));
        return;
    }
    if (editor.model.changeResolution(chosen))
        ShowDocument(editor);
}

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
    if (editor.model.deleteElement(SelectedIndex(editor.controls)))
        ShowDocument(editor);
}
