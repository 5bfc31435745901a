#include "ui/main_controls_win.h"

#include "model/tables.h"
#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/main_layout.h"
#include "ui/text_win.h"

#include <string_view>

namespace {

constexpr DWORD LabelStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD ComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD ButtonStyle = WS_CHILD | WS_VISIBLE;

struct ControlFont {
    HWND parent;
    HFONT font;
    int dpi;
};

HWND CreateControl(const ControlFont& in, const wchar_t* className, std::string_view text,
                   DWORD style, int id, Placement at) {
    const int dpi = in.dpi;
    HWND control = CreateWindowExW(
        0, className, Widen(text).c_str(), style, ScaleForDpi(at.x, dpi), ScaleForDpi(at.y, dpi),
        ScaleForDpi(at.width, dpi), ScaleForDpi(at.height, dpi), in.parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance, nullptr);
    if (control != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(in.font), TRUE);
    return control;
}

ComboBox CreateCombo(const ControlFont& in, std::string_view label, int labelId, Placement labelAt,
                     int id, Placement at) {
    CreateControl(in, L"STATIC", label, LabelStyle, labelId, labelAt);
    return ComboBox(CreateControl(in, L"COMBOBOX", "", ComboStyle, id, at));
}

void CreateSelectionCombos(const ControlFont& in, MainControls& controls) {
    controls.rangeCombo = CreateCombo(in, "出力レンジ", IDC_LABEL_OUTPUT_RANGE, RangeLabelPlace,
                                      IDC_OUTPUT_RANGE, RangeComboPlace);
    for (int code : RangeCodeAtPosition)
        controls.rangeCombo.addEntry(text(outputRange(code).name, Language::Japanese));
    controls.resolutionCombo =
        CreateCombo(in, "分解能/最大時間", IDC_LABEL_RESOLUTION, ResolutionLabelPlace,
                    IDC_RESOLUTION, ResolutionComboPlace);
    for (int code : ResolutionCodeAtPosition)
        controls.resolutionCombo.addEntry(text(resolution(code).name, Language::Japanese));
    controls.periodCombo = CreateCombo(in, "表示期間", IDC_LABEL_DISPLAY_PERIOD, PeriodLabelPlace,
                                       IDC_DISPLAY_PERIOD, PeriodComboPlace);
    for (int position = 0; position < DisplayPeriodCount; ++position)
        controls.periodCombo.addEntry(text(displayPeriod(position).name, Language::Japanese));
    // Selecting by program sends no CBN_SELCHANGE: the chart keeps the period it was created
    // with, which is this same entry's.
    controls.periodCombo.select(InitialDisplayPeriod);
}

void CreateEditButtons(const ControlFont& in, MainControls& controls) {
    controls.appendButton =
        CreateControl(in, L"BUTTON", "末尾に追加", ButtonStyle, IDC_APPEND, AppendButtonPlace);
    controls.insertButton =
        CreateControl(in, L"BUTTON", "挿入", ButtonStyle, IDC_INSERT, InsertButtonPlace);
    controls.editButton =
        CreateControl(in, L"BUTTON", "編集", ButtonStyle, IDC_EDIT, EditButtonPlace);
    controls.deleteButton =
        CreateControl(in, L"BUTTON", "削除", ButtonStyle, IDC_DELETE, DeleteButtonPlace);
    ShowEditButtons(controls, {});
}

} // namespace

void CreateMainControls(HWND parent, HFONT font, int dpi, MainControls& controls) {
    const ControlFont in{parent, font, dpi};
    CreateSelectionCombos(in, controls);
    controls.statusBar.create(parent, IDC_STATUS_BAR, font, dpi);
    if (controls.elementList.create(parent, IDC_ELEMENT_LIST, font, dpi))
        CreateEditButtons(in, controls);
}

void ShowDocumentCodes(const MainControls& controls, const SignalDocument& doc) {
    controls.resolutionCombo.select(
        doc.resolutionCode < 0 ? -1 : positionOfResolutionCode(doc.resolutionCode));
    controls.rangeCombo.select(doc.rangeCode < 0 ? -1 : positionOfRangeCode(doc.rangeCode));
}

void ShowEditButtons(const MainControls& controls, const EditButtons& enabled) {
    // Without the list view there are no buttons to enable.
    if (controls.appendButton == nullptr)
        return;
    EnableWindow(controls.appendButton, enabled.append);
    EnableWindow(controls.insertButton, enabled.insert);
    EnableWindow(controls.editButton, enabled.edit);
    EnableWindow(controls.deleteButton, enabled.remove);
}
