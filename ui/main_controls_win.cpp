#include "ui/main_controls_win.h"

#include "canvas/canvas_setup.h"
#include "canvas/view_scroll.h"
#include "model/list_rows.h"
#include "model/synthesis.h"
#include "model/tables.h"
#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/message_box_win.h"
#include "ui/param_dialog_win.h"
#include "ui/text_win.h"

#include <commctrl.h>

#include <string_view>

namespace {

// Window handles of the controls; the list view and the buttons stay null when the list view
// could not be created.
struct MainControls {
    HWND rangeCombo = nullptr;
    HWND resolutionCombo = nullptr;
    HWND periodCombo = nullptr;
    HWND elementList = nullptr;
    HWND appendButton = nullptr;
    HWND insertButton = nullptr;
    HWND editButton = nullptr;
    HWND deleteButton = nullptr;
};

MainControls Controls;

constexpr DWORD LabelStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD ComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD ListStyle =
    WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;
constexpr DWORD ButtonStyle = WS_CHILD | WS_VISIBLE;

struct Placement {
    int x, y, width, height; // at 96 dpi
};

HWND CreateControl(HWND parent, const wchar_t* className, std::string_view text, DWORD style,
                   int id, Placement at) {
    const int dpi = ScreenDpi;
    HWND control = CreateWindowExW(
        0, className, Widen(text).c_str(), style, ScaleForDpi(at.x, dpi), ScaleForDpi(at.y, dpi),
        ScaleForDpi(at.width, dpi), ScaleForDpi(at.height, dpi), parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance, nullptr);
    if (control != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont), TRUE);
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

void CreateSelectionCombos(HWND parent) {
    CreateControl(parent, L"STATIC", "出力レンジ", LabelStyle, IDC_LABEL_OUTPUT_RANGE,
                  {730, 53, 300, 20});
    Controls.rangeCombo =
        CreateControl(parent, L"COMBOBOX", "", ComboStyle, IDC_OUTPUT_RANGE, {830, 50, 140, 150});
    for (int code : RangeCodeAtPosition)
        AddComboEntry(Controls.rangeCombo, outputRange(code).listText);

    CreateControl(parent, L"STATIC", "分解能/最大時間", LabelStyle, IDC_LABEL_RESOLUTION,
                  {730, 93, 300, 20});
    Controls.resolutionCombo =
        CreateControl(parent, L"COMBOBOX", "", ComboStyle, IDC_RESOLUTION, {830, 90, 140, 150});
    for (int code : ResolutionCodeAtPosition)
        AddComboEntry(Controls.resolutionCombo, resolution(code).listText);

    CreateControl(parent, L"STATIC", "表示期間", LabelStyle, IDC_LABEL_DISPLAY_PERIOD,
                  {730, 133, 300, 20});
    Controls.periodCombo = CreateControl(parent, L"COMBOBOX", "", ComboStyle, IDC_DISPLAY_PERIOD,
                                         {830, 130, 140, 150});
    for (int position = 0; position < DisplayPeriodCount; ++position)
        AddComboEntry(Controls.periodCombo, displayPeriod(position).listText);
    // Selecting by program sends no CBN_SELCHANGE: the chart keeps the span it was created with,
    // which is this same entry's.
    SelectComboEntry(Controls.periodCombo, InitialDisplayPeriod);
}

struct Column {
    std::string_view header;
    int width; // raw pixels: the list's columns do not follow the screen dpi
};

constexpr Column ListColumns[] = {{"番号", 40}, {"タイプ", 150}, {"時間", 60}, {"パラメータ", 450}};

void AddListColumns(HWND list) {
    int index = 0;
    for (const Column& column : ListColumns) {
        std::wstring header = Widen(column.header);
        LVCOLUMNW lvc{};
        lvc.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        lvc.fmt = LVCFMT_LEFT;
        lvc.cx = column.width;
        lvc.pszText = header.data();
        lvc.iSubItem = index;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&lvc));
        ++index;
    }
}

void CreateEditButtons(HWND parent) {
    Controls.appendButton = CreateControl(parent, L"BUTTON", "末尾に追加", ButtonStyle, IDC_APPEND,
                                          {750, 480, 120, 24});
    Controls.insertButton =
        CreateControl(parent, L"BUTTON", "挿入", ButtonStyle, IDC_INSERT, {750, 520, 120, 24});
    Controls.editButton =
        CreateControl(parent, L"BUTTON", "編集", ButtonStyle, IDC_EDIT, {750, 560, 120, 24});
    Controls.deleteButton =
        CreateControl(parent, L"BUTTON", "削除", ButtonStyle, IDC_DELETE, {750, 600, 120, 24});
    for (HWND button :
         {Controls.appendButton, Controls.insertButton, Controls.editButton, Controls.deleteButton})
        EnableWindow(button, FALSE);
}

void SetRowText(HWND list, int row, int column, std::string_view text) {
    std::wstring wide = Widen(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = column;
    item.pszText = wide.data();
    if (column == 0)
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    else
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

void FillElementList(HWND list) {
    const std::vector<ListRow> rows = listRows(Document.elements);
    // One redraw for the whole refill rather than one per row.
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(list, LVM_SETITEMCOUNT, rows.size(), 0);
    int row = 0;
    for (const ListRow& texts : rows) {
        SetRowText(list, row, 0, texts.number);
        SetRowText(list, row, 1, texts.typeName);
        SetRowText(list, row, 2, texts.startTime);
        SetRowText(list, row, 3, texts.summary);
        ++row;
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

void ShowWholeView() {
    if (MainCanvas != nullptr)
        setView(MainCanvas->canvas, 0, MainCanvas->canvas.displaySpan, 0, *MainCanvas);
}

void ShowRangeOnTrace(int rangeCode) {
    if (OutputTrace != nullptr)
        applyOutputRange(*OutputTrace, rangeCode);
}

} // namespace

void CreateMainControls(HWND parent) {
    Controls = {};
    CreateSelectionCombos(parent);
    Controls.elementList =
        CreateControl(parent, WC_LISTVIEWW, "", ListStyle, IDC_ELEMENT_LIST, {20, 450, 700, 185});
    if (Controls.elementList == nullptr)
        return;
    const auto extended = SendMessageW(Controls.elementList, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    SendMessageW(Controls.elementList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 extended | LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    AddListColumns(Controls.elementList);
    RefreshElementList();
    CreateEditButtons(parent);
}

void RefreshElementList() {
    if (Controls.elementList != nullptr)
        FillElementList(Controls.elementList);
    if (OutputTrace != nullptr)
        rebuildSamples(Document.elements, Document.sampleInterval, OutputTrace->points);
    ShowWholeView();
}

void UpdateButtonStates() {
    const EditButtons enabled = editButtonStates(Document, SelectedIndex());
    // Without the list view there are no buttons to enable.
    if (Controls.appendButton == nullptr)
        return;
    EnableWindow(Controls.appendButton, enabled.append);
    EnableWindow(Controls.insertButton, enabled.insert);
    EnableWindow(Controls.editButton, enabled.edit);
    EnableWindow(Controls.deleteButton, enabled.remove);
}

int SelectedIndex() {
    if (Controls.elementList == nullptr)
        return -1;
    // The lowest selected row when several are selected; -1 when none is.
    return static_cast<int>(SendMessageW(Controls.elementList, LVM_GETNEXTITEM,
                                         static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::optional<SignalElement> SelectedElement() {
    return elementAtRow(Document.elements, SelectedIndex());
}

void ShowDocumentCodes() {
    SelectComboEntry(Controls.resolutionCombo, positionOfResolutionCode(Document.resolutionCode));
    SelectComboEntry(Controls.rangeCombo, positionOfRangeCode(Document.rangeCode));
    ShowRangeOnTrace(Document.rangeCode);
}

void OnDisplayPeriodChanged() {
    if (MainCanvas != nullptr)
        applyDisplayPeriod(MainCanvas->canvas, ComboSelection(Controls.periodCombo), *MainCanvas);
}

void OnOutputRangeChanged() {
    const int previous = Document.rangeCode;
    const int chosen = rangeCodeAtPosition(ComboSelection(Controls.rangeCombo));
    if (rangeChangeNeedsConfirmation(Document, chosen) &&
        !AskYesNo(MainWindow, "レンジを変更すると編集中のデータが失われますがよろしいですか?",
                  "確認")) {
        SelectComboEntry(Controls.rangeCombo, positionOfRangeCode(previous));
        return;
    }
    if (applyRangeChange(Document, chosen))
        RefreshElementList();
    ShowRangeOnTrace(Document.rangeCode);
    ShowWholeView();
    UpdateButtonStates();
}

void OnResolutionChanged() {
    const int previous = Document.resolutionCode;
    const int chosen = resolutionCodeAtPosition(ComboSelection(Controls.resolutionCombo));
    if (resolutionChangeNeedsConfirmation(Document, chosen) &&
        !AskYesNo(MainWindow, "分解能を変更すると編集中のデータが失われますがよろしいですか?",
                  "確認")) {
        SelectComboEntry(Controls.resolutionCombo, positionOfResolutionCode(previous));
        return;
    }
    if (applyResolutionChange(Document, chosen))
        RefreshElementList();
    UpdateButtonStates();
}

void OnAppendButton() {
    OpenParamDialog(ParamDialogMode::Append, MainWindow);
}

void OnInsertButton() {
    OpenParamDialog(ParamDialogMode::Insert, MainWindow);
}

void OnEditButton() {
    const std::optional<SignalElement> selected = SelectedElement();
    if (!selected)
        return;
    ParamWorkingElement() = *selected;
    OpenParamDialog(ParamDialogMode::Edit, MainWindow);
}

void OnDeleteButton() {
    deleteElement(Document, SelectedIndex());
    RefreshElementList();
    UpdateButtonStates();
}
