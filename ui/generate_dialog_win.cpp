#include "ui/generate_dialog_win.h"

#include "files/import_form.h"
#include "model/synthesis.h"
#include "model/tables.h"
#include "resources/resource.h"
#include "ui/dialog_state_win.h"
#include "ui/import_fields_win.h"
#include "ui/text_win.h"

#include <array>
#include <string>

namespace {

// Room in the dialog for this many fields of one generator.
constexpr int FieldSlots = 20;

// One opening of the dialog, kept in the dialog's user data.
struct GenerateDialogState {
    GeneratorForm form;
    Language language;
    GeneratorPreview preview;
    TracePoints samples; // the preview's signal
    std::optional<GenerateDialogResult> result;
    bool filling = false; // the dialog itself is writing its fields: no refresh for each
};

GenerateDialogState& StateOf(HWND dialog) {
    return DialogState<GenerateDialogState>(dialog);
}

void ShowControl(HWND dialog, int id, bool shown) {
    ShowWindow(GetDlgItem(dialog, id), shown ? SW_SHOW : SW_HIDE);
}

void Check(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

// The chosen generator's fields, labels with the range's unit, and its own controls; the rest
// hidden.
void ShowGenerator(HWND dialog) {
    GenerateDialogState& state = StateOf(dialog);
    const GeneratorForm& form = state.form;
    const std::vector<TextId> labels = generatorFieldLabels(form.kind);
    const std::vector<std::string>& fields = form.fields[static_cast<std::size_t>(form.kind)];
    const std::string unit(outputRange(form.rangeCode).unitLabel);
    state.filling = true;
    SelectComboEntry(dialog, IDC_GENERATE_KIND, static_cast<int>(form.kind));
    for (int i = 0; i < FieldSlots; ++i) {
        const bool used = i < static_cast<int>(labels.size());
        ShowControl(dialog, IDC_GENERATE_LABEL_FIRST + i, used);
        ShowControl(dialog, IDC_GENERATE_FIELD_FIRST + i, used);
        if (used) {
            SetFieldText(dialog, IDC_GENERATE_LABEL_FIRST + i,
                         formatText(labels[static_cast<std::size_t>(i)], state.language, {unit}));
            SetFieldText(dialog, IDC_GENERATE_FIELD_FIRST + i, fields[static_cast<std::size_t>(i)]);
        }
    }
    const bool formula = form.kind == GeneratorKind::Formula;
    const bool fitted = formula || form.kind == GeneratorKind::SineSweep;
    for (const int id : {IDC_GENERATE_FORMULA_LABEL, IDC_GENERATE_FORMULA, IDC_GENERATE_SHAPE_LABEL,
                         IDC_GENERATE_SHAPE})
        ShowControl(dialog, id, formula);
    ShowControl(dialog, IDC_GENERATE_TOLERANCE_LABEL, fitted);
    ShowControl(dialog, IDC_GENERATE_TOLERANCE, fitted);
    SetFieldText(dialog, IDC_GENERATE_TOLERANCE_LABEL,
                 formatText(TextId::GenerateTolerance, state.language, {unit}));
    ShowControl(dialog, IDC_GENERATE_UP_AND_DOWN, form.kind == GeneratorKind::Staircase);
    ShowControl(dialog, IDC_GENERATE_LOGARITHMIC, form.kind == GeneratorKind::SineSweep);
    SetFieldText(dialog, IDC_GENERATE_FORMULA, form.formula);
    SetFieldText(dialog, IDC_GENERATE_TOLERANCE, form.tolerance);
    SelectComboEntry(dialog, IDC_GENERATE_SHAPE, form.formulaSteps ? 1 : 0);
    Check(dialog, IDC_GENERATE_UP_AND_DOWN, form.upAndDown);
    Check(dialog, IDC_GENERATE_LOGARITHMIC, form.logarithmic);
    ShowCodes(dialog, IDC_GENERATE_RANGE, IDC_GENERATE_RESOLUTION, form.rangeCode,
              form.resolutionCode, form.offersCodes);
    state.filling = false;
}

// Every change ends here: the summary, the preview and OK follow the form.
void Refresh(HWND dialog) {
    GenerateDialogState& state = StateOf(dialog);
    const GeneratorForm& form = state.form;
    state.preview = previewGenerator(form, state.language);
    state.samples.clearPoints();
    if (state.preview.ok)
        rebuildSamples(state.preview.made.elements, resolution(form.resolutionCode).sampleInterval,
                       state.samples);
    SetFieldText(dialog, IDC_GENERATE_SUMMARY,
                 summaryText(state.preview.lines, form.offersCodes, form.rangeCode,
                             form.resolutionCode, state.language));
    EnableField(dialog, IDOK, state.preview.ok);
    InvalidateRect(GetDlgItem(dialog, IDC_GENERATE_PREVIEW), nullptr, FALSE);
}

void OnAccept(HWND dialog) {
    GenerateDialogState& state = StateOf(dialog);
    if (!state.preview.ok)
        return;
    state.result = GenerateDialogResult{state.preview.made.elements, state.form.rangeCode,
                                        state.form.resolutionCode, state.form};
    EndDialog(dialog, IDOK);
}

// A field the user changed: the form follows it. A new generator or unit shows its fields anew.
void OnFieldChanged(HWND dialog, int id) {
    GeneratorForm& form = StateOf(dialog).form;
    const int field = id - IDC_GENERATE_FIELD_FIRST;
    if (field >= 0 && field < FieldSlots) {
        std::vector<std::string>& fields = form.fields[static_cast<std::size_t>(form.kind)];
        if (field >= static_cast<int>(fields.size()))
            return;
        fields[static_cast<std::size_t>(field)] = FieldText(dialog, id);
        Refresh(dialog);
        return;
    }
    switch (id) {
    case IDC_GENERATE_KIND:
        form.kind = static_cast<GeneratorKind>(SelectedComboEntry(dialog, id));
        ShowGenerator(dialog);
        break;
    case IDC_GENERATE_FORMULA:
        form.formula = FieldText(dialog, id);
        break;
    case IDC_GENERATE_TOLERANCE:
        form.tolerance = FieldText(dialog, id);
        break;
    case IDC_GENERATE_SHAPE:
        form.formulaSteps = SelectedComboEntry(dialog, id) == 1;
        break;
    case IDC_GENERATE_UP_AND_DOWN:
        form.upAndDown = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
        break;
    case IDC_GENERATE_LOGARITHMIC:
        form.logarithmic = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
        break;
    case IDC_GENERATE_RANGE:
        form.rangeCode = rangeCodeAtPosition(SelectedComboEntry(dialog, id));
        ShowGenerator(dialog);
        break;
    case IDC_GENERATE_RESOLUTION:
        form.resolutionCode = resolutionCodeAtPosition(SelectedComboEntry(dialog, id));
        break;
    default:
        return;
    }
    Refresh(dialog);
}

void OnGenerateCommand(HWND dialog, int id, int code) {
    if (StateOf(dialog).filling)
        return;
    if (id == IDOK && code == BN_CLICKED)
        OnAccept(dialog);
    else if (id == IDCANCEL && code == BN_CLICKED)
        EndDialog(dialog, IDCANCEL);
    else if (code == EN_CHANGE || code == CBN_SELCHANGE || code == BN_CLICKED)
        OnFieldChanged(dialog, id);
}

void InitGenerateDialog(HWND dialog) {
    GenerateDialogState& state = StateOf(dialog);
    const Language language = state.language;
    SetWindowTextW(dialog, Widen(text(TextId::GenerateDialogTitle, language)).c_str());
    constexpr std::array<std::pair<int, TextId>, 9> Texts{{
        {IDC_GENERATE_KIND_LABEL, TextId::GenerateKindLabel},
        {IDC_GENERATE_FORMULA_LABEL, TextId::GenerateExpression},
        {IDC_GENERATE_SHAPE_LABEL, TextId::ImportShapeLabel},
        {IDC_GENERATE_RANGE_LABEL, TextId::ImportRangeLabel},
        {IDC_GENERATE_RESOLUTION_LABEL, TextId::ImportResolutionLabel},
        {IDC_GENERATE_UP_AND_DOWN, TextId::GenerateUpDown},
        {IDC_GENERATE_LOGARITHMIC, TextId::GenerateLogarithmic},
        {IDOK, TextId::ImportOk},
        {IDCANCEL, TextId::ImportCancel},
    }};
    for (const auto& [id, textId] : Texts)
        SetFieldText(dialog, id, text(textId, language));
    state.filling = true;
    std::vector<std::string> kinds;
    for (int kind = 0; kind < GeneratorKindCount; ++kind)
        kinds.emplace_back(text(generatorName(static_cast<GeneratorKind>(kind)), language));
    SetComboEntries(dialog, IDC_GENERATE_KIND, kinds);
    SetComboEntries(dialog, IDC_GENERATE_SHAPE,
                    {std::string(text(TextId::ImportLinear, language)),
                     std::string(text(TextId::ImportSteps, language))});
    SetCodeEntries(dialog, IDC_GENERATE_RANGE, IDC_GENERATE_RESOLUTION, language);
    state.filling = false;
    ShowGenerator(dialog);
    Refresh(dialog);
}

void DrawPreview(HWND dialog, const DRAWITEMSTRUCT& item) {
    const GenerateDialogState& state = StateOf(dialog);
    PaintPreview(item, state.samples, state.form.rangeCode, state.preview.ok);
}

INT_PTR CALLBACK GenerateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleDialogMessage(
        dialog, message, wParam, lParam,
        {InitGenerateDialog, OnGenerateCommand, IDC_GENERATE_PREVIEW, DrawPreview});
}

} // namespace

std::optional<GenerateDialogResult> OpenGenerateDialog(HWND owner, const GeneratorForm& form,
                                                       Language language) {
    GenerateDialogState state{form, language, {}, {}, std::nullopt, false};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_GENERATE), owner,
                    GenerateDialogProc, reinterpret_cast<LPARAM>(&state));
    return state.result;
}
