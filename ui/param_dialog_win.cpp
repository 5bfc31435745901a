#include "ui/param_dialog_win.h"

#include "model/number_text.h"
#include "model/param_fields.h"
#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/combo_box_win.h"
#include "ui/dialog_state_win.h"
#include "ui/gdi_objects_win.h"
#include "ui/message_box_win.h"
#include "ui/param_dialog_texts_win.h"
#include "ui/text_win.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace {

constexpr int FieldCount = 20;
constexpr int ColumnFields = 10;
constexpr int SumTypeIndex = FUNC_SUM - 1;
// What a new FUNC_SUM starts with: a slope plus a sine.
constexpr int NewSumEntryA = FUNC_SLOPE - 1;
constexpr int NewSumEntryB = FUNC_SIN - 1;

// One opening of the dialog, kept in the dialog's user data.
struct ParamDialogState {
    const ParamDialogRequest& request;
    int typeIndex = -1; // entry of the type combo: FuncType - 1, or -1 while none is chosen
    SignalElement working;
    std::array<FieldRule, FieldCount> rules{};
    int pictureId = 0; // 0: no picture
    ScopedBitmap loadedPicture;
    bool accepted = false;
};

ParamDialogState& StateOf(HWND dialog) {
    return DialogState<ParamDialogState>(dialog);
}

HWND Item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

void ShowItem(HWND dialog, int id, bool shown) {
    ShowWindow(Item(dialog, id), shown ? SW_SHOW : SW_HIDE);
}

void SetItemText(HWND dialog, int id, std::string_view text) {
    SetDlgItemTextW(dialog, id, Widen(text).c_str());
}

std::string ItemText(HWND dialog, int id) {
    wchar_t buffer[256] = {};
    GetDlgItemTextW(dialog, id, buffer, static_cast<int>(std::size(buffer)));
    return Narrow(buffer);
}

ComboBox Combo(HWND dialog, int id) {
    return ComboBox(GetDlgItem(dialog, id));
}

double FieldNumber(HWND dialog, int field) {
    return readFieldNumber(ItemText(dialog, IDC_FIELD_FIRST + field));
}

// Slots of a stored element, never more than the record holds even if a file said otherwise.
int UsedSlots(int count) {
    return std::clamp(count, 0, ParamSlots);
}

void NormalizeField(HWND dialog, int field) {
    ParamDialogState& state = StateOf(dialog);
    const int id = IDC_FIELD_FIRST + field;
    SetItemText(dialog, id,
                normalizeFieldText(ItemText(dialog, id), state.rules[static_cast<size_t>(field)]));
}

void NormalizeFields(HWND dialog, int first, int count) {
    for (int field = first; field < first + count; ++field)
        NormalizeField(dialog, field);
}

void SetFieldRules(HWND dialog, int column, FuncType type) {
    ParamDialogState& state = StateOf(dialog);
    const std::vector<FieldRow> rows =
        fieldRows(type, StateOf(dialog).request.document, StateOf(dialog).request.language);
    for (size_t slot = 0; slot < rows.size(); ++slot) {
        const int field = column * ColumnFields + static_cast<int>(slot);
        SetItemText(dialog, IDC_FIELD_LABEL_FIRST + field, rows[slot].label);
        SetItemText(dialog, IDC_FIELD_FIRST + field, rows[slot].defaultText);
        state.rules[static_cast<size_t>(field)] = rows[slot].rule;
    }
}

void FillColumn(HWND dialog, int column, const std::array<double, ParamSlots>& values, int count) {
    for (int slot = 0; slot < UsedSlots(count); ++slot)
        SetItemText(dialog, IDC_FIELD_FIRST + column * ColumnFields + slot,
                    formatFixed(values[static_cast<size_t>(slot)], 4));
}

// One column at a time, so that a column laid out and normalised earlier keeps its texts.
void FillFieldsFromElement(HWND dialog, int column) {
    ParamDialogState& state = StateOf(dialog);
    const SignalElement& element = state.working;
    if (element.type != FUNC_SUM)
        FillColumn(dialog, 0, element.params, element.paramCount);
    else if (column == 0)
        FillColumn(dialog, 0, element.subParamsA, element.subParamCountA);
    else
        FillColumn(dialog, 1, element.subParamsB, element.subParamCountB);
}

void ShowFields(HWND dialog, int first, int count, int shownCount) {
    for (int field = first; field < first + count; ++field) {
        const bool shown = field - first < shownCount;
        SetItemText(dialog, IDC_FIELD_LABEL_FIRST + field, "");
        SetItemText(dialog, IDC_FIELD_FIRST + field, "");
        ShowItem(dialog, IDC_FIELD_LABEL_FIRST + field, shown);
        ShowItem(dialog, IDC_FIELD_FIRST + field, shown);
    }
}

void ApplySubTypeLayout(HWND dialog, int column, bool useDefaults) {
    const int entry = Combo(dialog, IDC_SUBTYPE_A + column).selection();
    const int count = entry >= 0 ? paramCountOf(entry + 1) : 0;
    const int first = column * ColumnFields;
    ShowFields(dialog, first, ColumnFields, count);
    if (entry < 0)
        return;
    SetFieldRules(dialog, column, entry + 1);
    if (!useDefaults)
        FillFieldsFromElement(dialog, column);
    NormalizeFields(dialog, first, count);
}

// Each picture shown releases the one before it; the last goes with the dialog.
void ShowPicture(HWND dialog) {
    ParamDialogState& state = StateOf(dialog);
    const HWND picture = Item(dialog, IDC_PICTURE);
    ScopedBitmap bitmap;
    if (state.pictureId != 0)
        bitmap.reset(static_cast<HBITMAP>(LoadImageW(AppInstance, MAKEINTRESOURCEW(state.pictureId),
                                                     IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (bitmap.get() == nullptr) {
        ShowWindow(picture, SW_HIDE);
        return;
    }
    SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
    state.loadedPicture = std::move(bitmap);
    ShowWindow(picture, SW_SHOW);
}

// The dialog template gives the picture control a bitmap of its own, which the control does not
// release when it is replaced; take it out and release it so that no opening leaves one behind.
void ReleaseTemplatePicture(HWND dialog) {
    const ScopedBitmap templatePicture(reinterpret_cast<HBITMAP>(
        SendDlgItemMessageW(dialog, IDC_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, 0)));
}

void ReleaseLoadedPicture(HWND dialog) {
    SendDlgItemMessageW(dialog, IDC_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, 0);
    StateOf(dialog).loadedPicture.reset();
}

void ApplyTypeLayout(HWND dialog, bool useDefaults) {
    ParamDialogState& state = StateOf(dialog);
    const bool sum = state.typeIndex == SumTypeIndex;
    for (const int id : {IDC_SUBTYPE_A_LABEL, IDC_SUBTYPE_B_LABEL, IDC_SUBTYPE_A, IDC_SUBTYPE_B})
        ShowItem(dialog, id, sum);
    const int count = state.typeIndex >= 0 ? paramCountOf(state.typeIndex + 1) : 0;
    ShowFields(dialog, 0, FieldCount, sum ? 0 : count);
    if (sum) {
        ApplySubTypeLayout(dialog, 0, useDefaults);
        ApplySubTypeLayout(dialog, 1, useDefaults);
    } else if (state.typeIndex >= 0) {
        SetFieldRules(dialog, 0, state.typeIndex + 1);
        if (!useDefaults)
            FillFieldsFromElement(dialog, 0);
        NormalizeFields(dialog, 0, count);
    }
    ShowPicture(dialog);
}

// A stored type outside the catalogue opens like a new element, with no type chosen.
int EntryOfType(FuncType type, FuncType highest) {
    return type >= FUNC_CONST && type <= highest ? type - 1 : -1;
}

void InitParamDialog(HWND dialog) {
    ParamDialogState& state = StateOf(dialog);
    ShowParamDialogTexts(dialog, state.request.language);
    ReleaseTemplatePicture(dialog);
    state.pictureId = 0;
    state.typeIndex = -1;
    if (state.request.mode == ParamDialogMode::Edit) {
        const SignalElement& element = state.working;
        state.typeIndex = EntryOfType(element.type, HighestFuncType);
        Combo(dialog, IDC_TYPE).select(state.typeIndex);
        if (state.typeIndex == SumTypeIndex) {
            Combo(dialog, IDC_SUBTYPE_A).select(EntryOfType(element.subTypeA, HighestSubTypeA));
            Combo(dialog, IDC_SUBTYPE_B).select(EntryOfType(element.subTypeB, HighestSubTypeB));
        } else if (state.typeIndex >= 0) {
            state.pictureId = FirstPictureOf(state.request.language) + state.typeIndex;
        }
    }
    ApplyTypeLayout(dialog, state.request.mode != ParamDialogMode::Edit);
    SetFocus(Item(dialog, IDC_TYPE));
}

void OnTypeChanged(HWND dialog) {
    ParamDialogState& state = StateOf(dialog);
    const int entry = Combo(dialog, IDC_TYPE).selection();
    if (entry < 0 || entry == state.typeIndex)
        return;
    if (state.typeIndex >= 0 &&
        !AskYesNo(dialog, state.request.language, TextId::AskTypeChange, TextId::TitleConfirm)) {
        Combo(dialog, IDC_TYPE).select(state.typeIndex);
        return;
    }
    if (entry == SumTypeIndex) {
        Combo(dialog, IDC_SUBTYPE_A).select(NewSumEntryA);
        Combo(dialog, IDC_SUBTYPE_B).select(NewSumEntryB);
        state.pictureId = 0;
    } else {
        state.pictureId = FirstPictureOf(state.request.language) + entry;
    }
    state.typeIndex = entry;
    ApplyTypeLayout(dialog, true);
}

void ReadColumn(HWND dialog, int column, std::array<double, ParamSlots>& values, int count) {
    for (int slot = 0; slot < count; ++slot)
        values[static_cast<size_t>(slot)] = FieldNumber(dialog, column * ColumnFields + slot);
}

bool ReadFieldsIntoElement(HWND dialog) {
    ParamDialogState& state = StateOf(dialog);
    if (state.typeIndex < 0)
        return false;
    SignalElement& element = state.working;
    const FuncType type = state.typeIndex + 1;
    if (type == FUNC_SUM) {
        const int entryA = Combo(dialog, IDC_SUBTYPE_A).selection();
        const int entryB = Combo(dialog, IDC_SUBTYPE_B).selection();
        // Only an edited element whose stored sub-types were unknown gets here without them.
        if (entryA < 0 || entryB < 0)
            return false;
        element.subTypeA = entryA + 1;
        element.subParamCountA = paramCountOf(element.subTypeA);
        element.subTypeB = entryB + 1;
        element.subParamCountB = paramCountOf(element.subTypeB);
        ReadColumn(dialog, 0, element.subParamsA, element.subParamCountA);
        ReadColumn(dialog, 1, element.subParamsB, element.subParamCountB);
    } else {
        ReadColumn(dialog, 0, element.params, paramCountOf(type));
    }
    element.type = type;
    element.paramCount = paramCountOf(type);
    // A FUNC_SUM lasts as long as its sub-function A.
    element.duration = elementDuration(element);
    return true;
}

// The dialog stays open with the user's values when the element would not fit the time budget.
bool CommitElement(HWND dialog) {
    ParamDialogState& state = StateOf(dialog);
    if (!ReadFieldsIntoElement(dialog))
        return false;
    if (!state.request.fits(state.working)) {
        ShowBudgetExceeded(dialog, state.request.language);
        return false;
    }
    state.accepted = true;
    return true;
}

void OnParamCommand(HWND dialog, int id, int code) {
    switch (id) {
    case IDC_PARAM_OK:
        if (code == BN_CLICKED && CommitElement(dialog))
            EndDialog(dialog, 0);
        break;
    case IDC_PARAM_CANCEL:
        if (code == BN_CLICKED)
            EndDialog(dialog, 0);
        break;
    case IDC_TYPE:
        if (code == CBN_SELCHANGE)
            OnTypeChanged(dialog);
        break;
    case IDC_SUBTYPE_A:
    case IDC_SUBTYPE_B:
        // A new sub-type replaces only its own column, without a question.
        if (code == CBN_SELCHANGE)
            ApplySubTypeLayout(dialog, id - IDC_SUBTYPE_A, true);
        break;
    default:
        if (code == EN_KILLFOCUS && id >= IDC_FIELD_FIRST && id < IDC_FIELD_FIRST + FieldCount)
            NormalizeField(dialog, id - IDC_FIELD_FIRST);
        break;
    }
}

// Enter and Esc arrive as IDOK and IDCANCEL, which the dialog leaves alone: only the two buttons
// and the close box end it.
INT_PTR CALLBACK ParamDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (!TakeDialogState(dialog, message, lParam))
            return FALSE;
        switch (message) {
        case WM_INITDIALOG:
            InitParamDialog(dialog);
            return FALSE;
        case WM_DESTROY:
            ReleaseLoadedPicture(dialog);
            return FALSE;
        case WM_COMMAND:
            OnParamCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return FALSE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
        }
    } catch (...) {
        return FALSE;
    }
}

} // namespace

std::optional<SignalElement> OpenParamDialog(HWND owner, const ParamDialogRequest& request) {
    ParamDialogState state{request, -1, request.element, {}, 0, {}, false};
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_PARAM), owner, ParamDialogProc,
                    reinterpret_cast<LPARAM>(&state));
    if (!state.accepted)
        return std::nullopt;
    return state.working;
}
