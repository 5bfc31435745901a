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
    Language language;
};

HWND CreateControl(const ControlFont& in, const wchar_t* className, std::string_view caption,
                   DWORD style, int id, Placement at) {
    const int dpi = in.dpi;
    HWND control = CreateWindowExW(
        0, className, Widen(caption).c_str(), style, ScaleForDpi(at.x, dpi), ScaleForDpi(at.y, dpi),
        ScaleForDpi(at.width, dpi), ScaleForDpi(at.height, dpi), in.parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance, nullptr);
    if (control != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(in.font), TRUE);
    return control;
}

ComboBox CreateCombo(const ControlFont& in, TextId label, int labelId, Placement labelAt, int id,
                     Placement at) {
    CreateControl(in, L"STATIC", text(label, in.language), LabelStyle, labelId, labelAt);
    return ComboBox(CreateControl(in, L"COMBOBOX", "", ComboStyle, id, at));
}

void CreateSelectionCombos(const ControlFont& in, MainControls& controls) {
    controls.rangeCombo = CreateCombo(in, TextId::LabelOutputRange, IDC_LABEL_OUTPUT_RANGE,
                                      RangeLabelPlace, IDC_OUTPUT_RANGE, RangeComboPlace);
    for (int code : RangeCodeAtPosition)
        controls.rangeCombo.addEntry(text(outputRange(code).name, in.language));
    controls.resolutionCombo =
        CreateCombo(in, TextId::LabelResolution, IDC_LABEL_RESOLUTION, ResolutionLabelPlace,
                    IDC_RESOLUTION, ResolutionComboPlace);
    for (int code : ResolutionCodeAtPosition)
        controls.resolutionCombo.addEntry(text(resolution(code).name, in.language));
    controls.periodCombo = CreateCombo(in, TextId::LabelDisplayPeriod, IDC_LABEL_DISPLAY_PERIOD,
                                       PeriodLabelPlace, IDC_DISPLAY_PERIOD, PeriodComboPlace);
    for (int position = 0; position < DisplayPeriodCount; ++position)
        controls.periodCombo.addEntry(text(displayPeriod(position).name, in.language));
    // Selecting by program sends no CBN_SELCHANGE: the chart keeps the period it was created
    // with, which is this same entry's.
    controls.periodCombo.select(InitialDisplayPeriod);
}

void CreateEditButtons(const ControlFont& in, MainControls& controls) {
    controls.appendButton = CreateControl(in, L"BUTTON", text(TextId::ButtonAppend, in.language),
                                          ButtonStyle, IDC_APPEND, AppendButtonPlace);
    controls.insertButton = CreateControl(in, L"BUTTON", text(TextId::ButtonInsert, in.language),
                                          ButtonStyle, IDC_INSERT, InsertButtonPlace);
    controls.editButton = CreateControl(in, L"BUTTON", text(TextId::ButtonEdit, in.language),
                                        ButtonStyle, IDC_EDIT, EditButtonPlace);
    controls.deleteButton = CreateControl(in, L"BUTTON", text(TextId::ButtonDelete, in.language),
                                          ButtonStyle, IDC_DELETE, DeleteButtonPlace);
    controls.buttonsShown = {true, true, true, true};
    ShowEditButtons(controls, {});
}

} // namespace

void CreateMainControls(HWND parent, HFONT font, int dpi, Language language,
                        MainControls& controls) {
    const ControlFont in{parent, font, dpi, language};
    CreateSelectionCombos(in, controls);
    controls.statusBar.create(parent, IDC_STATUS_BAR, font, dpi);
    if (controls.elementList.create(parent, IDC_ELEMENT_LIST, font, dpi, language))
        CreateEditButtons(in, controls);
}

void ShowDocumentCodes(const MainControls& controls, const SignalDocument& doc) {
    controls.resolutionCombo.select(
        doc.resolutionCode < 0 ? -1 : positionOfResolutionCode(doc.resolutionCode));
    controls.rangeCombo.select(doc.rangeCode < 0 ? -1 : positionOfRangeCode(doc.rangeCode));
}

void ShowEditButtons(MainControls& controls, const EditButtons& enabled) {
    // Without the list view there are no buttons to enable.
    if (controls.appendButton == nullptr || enabled == controls.buttonsShown)
        return;
    controls.buttonsShown = enabled;
    EnableWindow(controls.appendButton, enabled.append);
    EnableWindow(controls.insertButton, enabled.insert);
    EnableWindow(controls.editButton, enabled.edit);
    EnableWindow(controls.deleteButton, enabled.remove);
}
