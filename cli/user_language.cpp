#include "cli/user_language.h"

Language languageOfLocale(std::string_view lcAll, std::string_view lcMessages,
                          std::string_view lang) {
    std::string_view locale = lang;
    if (!lcAll.empty())
        locale = lcAll;
    else if (!lcMessages.empty())
        locale = lcMessages;
    return locale.starts_with("ja") ? Language::Japanese : Language::English;
}

std::optional<Language> languageOfOption(std::string_view value) {
    if (value == "ja")
        return Language::Japanese;
    if (value == "en")
        return Language::English;
    return std::nullopt;
}
