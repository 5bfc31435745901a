#include "ui/main_controls_win.h"

#include "model/tables.h"
#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/main_layout.h"
#include "ui/text_win.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

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

ComboBox CreateCombo(const ControlFont& in, int labelId, Placement labelAt, int id, Placement at) {
    CreateControl(in, L"STATIC", "", LabelStyle, labelId, labelAt);
    return ComboBox(CreateControl(in, L"COMBOBOX", "", ComboStyle, id, at));
}

std::vector<std::string> RangeNames(Language language) {
    std::vector<std::string> names;
    for (int code : RangeCodeAtPosition)
        names.emplace_back(text(outputRange(code).name, language));
    return names;
}

std::vector<std::string> ResolutionNames(Language language) {
    std::vector<std::string> names;
    for (int code : ResolutionCodeAtPosition)
        names.emplace_back(text(resolution(code).name, language));
    return names;
}

std::vector<std::string> PeriodNames(Language language) {
    std::vector<std::string> names;
    for (int position = 0; position < DisplayPeriodCount; ++position)
        names.emplace_back(text(displayPeriod(position).name, language));
    return names;
}

void CreateSelectionCombos(const ControlFont& in, MainControls& controls) {
    controls.rangeCombo =
        CreateCombo(in, IDC_LABEL_OUTPUT_RANGE, RangeLabelPlace, IDC_OUTPUT_RANGE, RangeComboPlace);
    controls.resolutionCombo = CreateCombo(in, IDC_LABEL_RESOLUTION, ResolutionLabelPlace,
                                           IDC_RESOLUTION, ResolutionComboPlace);
    controls.periodCombo = CreateCombo(in, IDC_LABEL_DISPLAY_PERIOD, PeriodLabelPlace,
                                       IDC_DISPLAY_PERIOD, PeriodComboPlace);
}

void CreateEditButtons(const ControlFont& in, MainControls& controls) {
    controls.appendButton =
        CreateControl(in, L"BUTTON", "", ButtonStyle, IDC_APPEND, AppendButtonPlace);
    controls.insertButton =
        CreateControl(in, L"BUTTON", "", ButtonStyle, IDC_INSERT, InsertButtonPlace);
    controls.editButton = CreateControl(in, L"BUTTON", "", ButtonStyle, IDC_EDIT, EditButtonPlace);
    controls.deleteButton =
        CreateControl(in, L"BUTTON", "", ButtonStyle, IDC_DELETE, DeleteButtonPlace);
    controls.buttonsShown = {true, true, true, true};
    ShowEditButtons(controls, {});
}

// Labels and buttons by control id, with their texts.
constexpr std::pair<int, TextId> ControlTexts[] = {
    {IDC_LABEL_OUTPUT_RANGE, TextId::LabelOutputRange},
    {IDC_LABEL_RESOLUTION, TextId::LabelResolution},
    {IDC_LABEL_DISPLAY_PERIOD, TextId::LabelDisplayPeriod},
    {IDC_APPEND, TextId::ButtonAppend},
    {IDC_INSERT, TextId::ButtonInsert},
    {IDC_EDIT, TextId::ButtonEdit},
    {IDC_DELETE, TextId::ButtonDelete},
};

void PlaceCombo(const ComboBox& combo, Placement japanese, int dpi, Language language) {
    const Placement at = ComboPlaceFor(japanese, language);
    SetWindowPos(combo.window(), nullptr, ScaleForDpi(at.x, dpi), ScaleForDpi(at.y, dpi),
                 ScaleForDpi(at.width, dpi), ScaleForDpi(at.height, dpi),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void CreateMainControls(HWND parent, HFONT font, int dpi, Language language,
                        MainControls& controls) {
    const ControlFont in{parent, font, dpi, language};
    CreateSelectionCombos(in, controls);
    controls.statusBar.create(parent, IDC_STATUS_BAR, IDC_STATUS_MEASURES, font, dpi);
    if (controls.elementList.create(parent, IDC_ELEMENT_LIST, font, dpi, language))
        CreateEditButtons(in, controls);
    ShowControlLanguage(parent, controls, font, dpi, language);
    // Selecting by program sends no CBN_SELCHANGE: the chart keeps the period it was created
    // with, which is this same entry's.
    controls.periodCombo.select(InitialDisplayPeriod);
}

void ShowControlLanguage(HWND parent, MainControls& controls, HFONT font, int dpi,
                         Language language) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (child != controls.elementList.window())
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
    for (const auto& [id, textId] : ControlTexts)
        SetDlgItemTextW(parent, id, Widen(text(textId, language)).c_str());
    controls.rangeCombo.renameEntries(RangeNames(language));
    controls.resolutionCombo.renameEntries(ResolutionNames(language));
    controls.periodCombo.renameEntries(PeriodNames(language));
    PlaceCombo(controls.rangeCombo, RangeComboPlace, dpi, language);
    PlaceCombo(controls.resolutionCombo, ResolutionComboPlace, dpi, language);
    PlaceCombo(controls.periodCombo, PeriodComboPlace, dpi, language);
    controls.elementList.showLanguage(language, font);
    controls.statusBar.showParts(dpi, language);
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

SIZE MainWindowSize(int dpi, Language language) {
    return {ScaleForDpi(MainWindowWidthFor(language), dpi), ScaleForDpi(MainWindowHeight, dpi)};
}
