#include "ui/param_dialog_texts_win.h"

#include "model/catalogue.h"
#include "resources/resource.h"
#include "ui/combo_box_win.h"
#include "ui/text_win.h"

namespace {

void SetItemText(HWND dialog, int id, TextId label, Language language) {
    SetDlgItemTextW(dialog, id, Widen(text(label, language)).c_str());
}

void FillTypeCombo(HWND dialog, int id, FuncType highest, Language language) {
    const ComboBox combo(GetDlgItem(dialog, id));
    for (FuncType type = FUNC_CONST; type <= highest; ++type)
        combo.addEntry(displayNameOf(type, language));
}

} // namespace

void ShowParamDialogTexts(HWND dialog, Language language) {
    SetWindowTextW(dialog, Widen(text(TextId::DialogParameters, language)).c_str());
    SetItemText(dialog, IDC_TYPE_LABEL, TextId::LabelWaveformType, language);
    SetItemText(dialog, IDC_SUBTYPE_A_LABEL, TextId::LabelSubWaveformA, language);
    SetItemText(dialog, IDC_SUBTYPE_B_LABEL, TextId::LabelSubWaveformB, language);
    SetItemText(dialog, IDC_PARAM_CANCEL, TextId::ButtonCancel, language);
    FillTypeCombo(dialog, IDC_TYPE, HighestFuncType, language);
    FillTypeCombo(dialog, IDC_SUBTYPE_A, HighestSubTypeA, language);
    FillTypeCombo(dialog, IDC_SUBTYPE_B, HighestSubTypeB, language);
}

int FirstPictureOf(Language language) {
    return language == Language::English ? IDB_PICTURE_ENGLISH_FIRST : IDB_PICTURE_FIRST;
}
