#include "ui/language_menu_win.h"

#include "resources/resource.h"
#include "ui/text_win.h"

#include <string>

namespace {

// The submenu is the help menu's last item.
int LanguageItemPosition(HMENU helpMenu) {
    return GetMenuItemCount(helpMenu) - 1;
}

} // namespace

void SetMenuItemText(HMENU menu, UINT item, bool byPosition, std::string_view text) {
    std::wstring wide = Widen(text);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING;
    info.dwTypeData = wide.data();
    SetMenuItemInfoW(menu, item, byPosition ? TRUE : FALSE, &info);
}

void AddLanguageMenu(HMENU helpMenu, Language inUse) {
    HMENU languages = CreatePopupMenu();
    AppendMenuW(languages, MF_STRING, IDM_LANGUAGE_JAPANESE, L"");
    AppendMenuW(languages, MF_STRING, IDM_LANGUAGE_ENGLISH, L"");
    // The help menu owns the submenu from here and destroys it with itself.
    AppendMenuW(helpMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(languages), L"");
    ShowLanguageInMenu(helpMenu, inUse);
}

void ShowLanguageInMenu(HMENU helpMenu, Language inUse) {
    const int position = LanguageItemPosition(helpMenu);
    HMENU languages = GetSubMenu(helpMenu, position);
    if (languages == nullptr)
        return;
    SetMenuItemText(helpMenu, static_cast<UINT>(position), true, text(TextId::MenuLanguage, inUse));
    SetMenuItemText(languages, IDM_LANGUAGE_JAPANESE, false, text(TextId::MenuJapanese, inUse));
    SetMenuItemText(languages, IDM_LANGUAGE_ENGLISH, false, text(TextId::MenuEnglish, inUse));
    CheckMenuRadioItem(languages, IDM_LANGUAGE_JAPANESE, IDM_LANGUAGE_ENGLISH,
                       inUse == Language::Japanese ? IDM_LANGUAGE_JAPANESE : IDM_LANGUAGE_ENGLISH,
                       MF_BYCOMMAND);
}

std::optional<Language> LanguageOfCommand(int command) {
    switch (command) {
    case IDM_LANGUAGE_JAPANESE:
        return Language::Japanese;
    case IDM_LANGUAGE_ENGLISH:
        return Language::English;
    default:
        return std::nullopt;
    }
}
