#include "ui/import_dialog_win.h"

#include "files/import_form.h"
#include "files/import_messages.h"
#include "files/point_reader.h"
#include "model/synthesis.h"
#include "model/tables.h"
#include "resources/resource.h"
#include "ui/dialog_state_win.h"
#include "ui/import_fields_win.h"
#include "ui/text_win.h"

#include <array>
#include <string>
#include <system_error>

namespace {

// One opening of the dialog, kept in the dialog's user data.
struct ImportDialogState {
    const ImportDialogRequest& request;
    ImportForm form;
    ImportPreview preview;
    TracePoints samples; // the preview's signal
    std::optional<ImportDialogResult> result;
    bool filling = false; // the dialog itself is writing its fields: no refresh for each
};

ImportDialogState& StateOf(HWND dialog) {
    return DialogState<ImportDialogState>(dialog);
}

Language LanguageOf(HWND dialog) {
    return StateOf(dialog).request.language;
}

// The labels in the order of their ids; those with a unit take the range's unit label.
constexpr std::array<TextId, 11> Labels{
    TextId::ImportFileLabel,  TextId::ImportTimeColumn, TextId::ImportValueColumn,
    TextId::ImportShapeLabel, TextId::ImportRangeLabel, TextId::ImportResolutionLabel,
    TextId::ImportTolerance,  TextId::ImportGain,       TextId::ImportOffset,
    TextId::ImportTimeScale,  TextId::ImportTimeStep,
};

void ShowLabels(HWND dialog) {
    const Language language = LanguageOf(dialog);
    const std::string unit(outputRange(StateOf(dialog).form.rangeCode).unitLabel);
    for (std::size_t i = 0; i < Labels.size(); ++i)
        SetFieldText(dialog, IDC_IMPORT_LABEL_FIRST + static_cast<int>(i),
                     formatText(Labels[i], language, {unit}));
}

// The form's values into the fields, without a refresh for each.
void ShowForm(HWND dialog) {
    ImportDialogState& state = StateOf(dialog);
    state.filling = true;
    const ImportForm& form = state.form;
    SetFieldText(dialog, IDC_IMPORT_TOLERANCE, form.tolerance);
    SetFieldText(dialog, IDC_IMPORT_GAIN, form.gain);
    SetFieldText(dialog, IDC_IMPORT_OFFSET, form.offset);
    SetFieldText(dialog, IDC_IMPORT_TIME_SCALE, form.timeScale);
    SetFieldText(dialog, IDC_IMPORT_TIME_STEP, form.timeStep);
    SelectComboEntry(dialog, IDC_IMPORT_SHAPE, form.shape == ImportShape::Step ? 1 : 0);
    ShowCodes(dialog, IDC_IMPORT_RANGE, IDC_IMPORT_RESOLUTION, form.rangeCode, form.resolutionCode,
              form.offersCodes);
    state.filling = false;
}

// The column combos from the preview, with the columns the read used selected.
void ShowColumns(HWND dialog) {
    ImportDialogState& state = StateOf(dialog);
    state.filling = true;
    const std::vector<std::string>& columns = state.preview.columns;
    std::vector<std::string> times{
        std::string(text(TextId::ImportNoTimeColumn, LanguageOf(dialog)))};
    times.insert(times.end(), columns.begin(), columns.end());
    SetComboEntries(dialog, IDC_IMPORT_TIME_COLUMN, times);
    SetComboEntries(dialog, IDC_IMPORT_VALUE_COLUMN, columns);
    const PointReadResult& read = state.preview.read;
    const int time = state.form.timeColumn != DefaultColumn ? state.form.timeColumn
                     : read.ok()                            ? read.timeColumn
                                                            : 0;
    const int value = state.form.valueColumn != DefaultColumn ? state.form.valueColumn
                      : read.ok()                             ? read.valueColumn
                                                              : 1;
    SelectComboEntry(dialog, IDC_IMPORT_TIME_COLUMN, time + 1);
    SelectComboEntry(dialog, IDC_IMPORT_VALUE_COLUMN, value);
    state.filling = false;
}

// Every change ends here: the form read again, the summary, the preview and OK follow it.
void Refresh(HWND dialog) {
    ImportDialogState& state = StateOf(dialog);
    const Language language = LanguageOf(dialog);
    state.preview = previewImport(state.form, language, std::move(state.preview));
    ShowColumns(dialog);
    state.samples.clearPoints();
    if (state.preview.ok)
        rebuildSamples(state.preview.made.elements,
                       resolution(state.form.resolutionCode).sampleInterval, state.samples);
    SetFieldText(dialog, IDC_IMPORT_SUMMARY,
                 summaryText(state.preview.lines, state.form.offersCodes, state.form.rangeCode,
                             state.form.resolutionCode, language));
    EnableField(dialog, IDOK, state.preview.ok);
    ShowLabels(dialog);
    InvalidateRect(GetDlgItem(dialog, IDC_IMPORT_PREVIEW), nullptr, FALSE);
}

// A new text: a new form, the fields as it suggests.
void TakeText(HWND dialog, std::string text) {
    ImportDialogState& state = StateOf(dialog);
    state.form = startImportForm(std::move(text), state.request.document);
    state.preview = {}; // read the new text
    ShowForm(dialog);
    Refresh(dialog);
}

// The file named in the file field, once it names one that can be read.
void OnFileNamed(HWND dialog) {
    const std::filesystem::path path(Widen(FieldText(dialog, IDC_IMPORT_FILE)));
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return;
    std::string text;
    const PointReadStatus loaded = loadPointText(path, text);
    if (loaded != PointReadStatus::Read) {
        ImportDialogState& state = StateOf(dialog);
        state.form.text.clear();
        Refresh(dialog);
        SetFieldText(dialog, IDC_IMPORT_SUMMARY, pointReadMessage(loaded, 0, LanguageOf(dialog)));
        return;
    }
    TakeText(dialog, std::move(text));
}

void OnBrowse(HWND dialog) {
    const std::optional<std::filesystem::path> path = ChoosePointFile(dialog, LanguageOf(dialog));
    if (path)
        SetFieldText(dialog, IDC_IMPORT_FILE, Narrow(path->wstring()));
}

void OnAccept(HWND dialog) {
    ImportDialogState& state = StateOf(dialog);
    if (!state.preview.ok)
        return;
    state.result = ImportDialogResult{state.preview.made.elements, state.form.rangeCode,
                                      state.form.resolutionCode};
    EndDialog(dialog, IDOK);
}

// A field the user changed: the form follows it.
void OnFieldChanged(HWND dialog, int id) {
    ImportForm& form = StateOf(dialog).form;
    switch (id) {
    case IDC_IMPORT_TOLERANCE:
        form.tolerance = FieldText(dialog, id);
        break;
    case IDC_IMPORT_GAIN:
        form.gain = FieldText(dialog, id);
        break;
    case IDC_IMPORT_OFFSET:
        form.offset = FieldText(dialog, id);
        break;
    case IDC_IMPORT_TIME_SCALE:
        form.timeScale = FieldText(dialog, id);
        break;
    case IDC_IMPORT_TIME_STEP:
        form.timeStep = FieldText(dialog, id);
        break;
    case IDC_IMPORT_TIME_COLUMN:
        form.timeColumn = SelectedComboEntry(dialog, id) - 1;
        break;
    case IDC_IMPORT_VALUE_COLUMN:
        form.valueColumn = SelectedComboEntry(dialog, id);
        break;
    case IDC_IMPORT_SHAPE:
        form.shape = SelectedComboEntry(dialog, id) == 1 ? ImportShape::Step : ImportShape::Linear;
        break;
    case IDC_IMPORT_RANGE:
        form.rangeCode = rangeCodeAtPosition(SelectedComboEntry(dialog, id));
        break;
    case IDC_IMPORT_RESOLUTION:
        form.resolutionCode = resolutionCodeAtPosition(SelectedComboEntry(dialog, id));
        break;
    default:
        return;
    }
    Refresh(dialog);
}

void OnImportCommand(HWND dialog, int id, int code) {
    if (StateOf(dialog).filling)
        return;
    if (id == IDOK && code == BN_CLICKED)
        OnAccept(dialog);
    else if (id == IDCANCEL && code == BN_CLICKED)
        EndDialog(dialog, IDCANCEL);
    else if (id == IDC_IMPORT_BROWSE && code == BN_CLICKED)
        OnBrowse(dialog);
    else if (id == IDC_IMPORT_FILE && code == EN_CHANGE)
        OnFileNamed(dialog);
    else if (code == EN_CHANGE || code == CBN_SELCHANGE)
        OnFieldChanged(dialog, id);
}

void InitImportDialog(HWND dialog) {
    ImportDialogState& state = StateOf(dialog);
    const Language language = state.request.language;
    SetWindowTextW(dialog, Widen(text(TextId::ImportDialogTitle, language)).c_str());
    SetFieldText(dialog, IDC_IMPORT_BROWSE, text(TextId::ImportBrowse, language));
    SetFieldText(dialog, IDOK, text(TextId::ImportOk, language));
    SetFieldText(dialog, IDCANCEL, text(TextId::ImportCancel, language));
    state.filling = true;
    SetComboEntries(dialog, IDC_IMPORT_SHAPE,
                    {std::string(text(TextId::ImportLinear, language)),
                     std::string(text(TextId::ImportSteps, language))});
    SetCodeEntries(dialog, IDC_IMPORT_RANGE, IDC_IMPORT_RESOLUTION, language);
    state.filling = false;

    if (!state.request.pastedText.empty()) {
        state.filling = true;
        SetFieldText(dialog, IDC_IMPORT_FILE, text(TextId::ImportPastedText, language));
        state.filling = false;
        TakeText(dialog, state.request.pastedText);
    } else if (!state.request.file.empty()) {
        SetFieldText(dialog, IDC_IMPORT_FILE, Narrow(state.request.file.wstring()));
    }
    if (state.form.text.empty())
        TakeText(dialog, {});
}

void DrawPreview(HWND dialog, const DRAWITEMSTRUCT& item) {
    const ImportDialogState& state = StateOf(dialog);
    PaintPreview(item, state.samples, state.form.rangeCode, state.preview.ok);
}

INT_PTR CALLBACK ImportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleDialogMessage(
        dialog, message, wParam, lParam,
        {InitImportDialog, OnImportCommand, IDC_IMPORT_PREVIEW, DrawPreview});
}

} // namespace

std::optional<ImportDialogResult> OpenImportDialog(HWND owner, const ImportDialogRequest& request) {
    ImportDialogState state{request, {}, {}, {}, std::nullopt, false};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_IMPORT), owner,
                    ImportDialogProc, reinterpret_cast<LPARAM>(&state));
    return state.result;
}
