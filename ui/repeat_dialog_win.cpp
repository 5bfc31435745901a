#include "ui/repeat_dialog_win.h"

#include "files/import_form.h"
#include "model/element_commands.h"
#include "resources/resource.h"
#include "ui/dialog_state_win.h"
#include "ui/import_fields_win.h"
#include "ui/text_win.h"

#include <cmath>

namespace {

struct RepeatDialogState {
    Language language;
    std::optional<int> count;
};

std::optional<int> CountOf(HWND dialog) {
    const std::optional<double> count = fieldNumber(FieldText(dialog, IDC_REPEAT_COUNT));
    if (!count || *count != std::floor(*count) || *count < 2 || *count > RepeatMaxCount)
        return std::nullopt;
    return static_cast<int>(*count);
}

void InitRepeatDialog(HWND dialog) {
    const Language language = DialogState<RepeatDialogState>(dialog).language;
    SetWindowTextW(dialog, Widen(text(TextId::GenerateRepeat, language)).c_str());
    SetFieldText(dialog, IDC_REPEAT_LABEL, text(TextId::GenerateRepeatCount, language));
    SetFieldText(dialog, IDOK, text(TextId::ImportOk, language));
    SetFieldText(dialog, IDCANCEL, text(TextId::ImportCancel, language));
}

void OnRepeatCommand(HWND dialog, int id, int code) {
    if (id == IDC_REPEAT_COUNT && code == EN_CHANGE) {
        EnableField(dialog, IDOK, CountOf(dialog).has_value());
    } else if (id == IDOK && code == BN_CLICKED) {
        DialogState<RepeatDialogState>(dialog).count = CountOf(dialog);
        if (DialogState<RepeatDialogState>(dialog).count)
            EndDialog(dialog, IDOK);
    } else if (id == IDCANCEL && code == BN_CLICKED) {
        EndDialog(dialog, IDCANCEL);
    }
}

INT_PTR CALLBACK RepeatDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return HandleDialogMessage(dialog, message, wParam, lParam,
                               {InitRepeatDialog, OnRepeatCommand});
}

} // namespace

std::optional<int> AskRepeatCount(HWND owner, Language language) {
    RepeatDialogState state{language, std::nullopt};
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_REPEAT), owner,
                    RepeatDialogProc, reinterpret_cast<LPARAM>(&state));
    return state.count;
}
