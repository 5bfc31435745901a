// Which language the user reads: the listing of `qz57 check` names types in it.
#pragma once

#include "model/texts.h"

#include <optional>
#include <string_view>

// The language of POSIX locale settings, which win in the order LC_ALL, LC_MESSAGES, LANG (the
// first one set and not empty): Japanese for a locale starting with "ja", English otherwise.
Language languageOfLocale(std::string_view lcAll, std::string_view lcMessages,
                          std::string_view lang);

// The value of --lang: "ja" or "en"; none for anything else.
std::optional<Language> languageOfOption(std::string_view value);

// The user's language: on Windows the display language, elsewhere the locale environment.
Language userLanguage();
