#include "cli/user_language.h"

#include <cstdlib>

namespace {

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string_view{} : std::string_view(value);
}

} // namespace

Language userLanguage() {
    return languageOfLocale(environment("LC_ALL"), environment("LC_MESSAGES"), environment("LANG"));
}
