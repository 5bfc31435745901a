#include "cli/user_language.h"

#include <windows.h>

// Windows users pick a display language rather than a locale environment.
Language userLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese
                                                                      : Language::English;
}
