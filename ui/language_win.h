#pragma once

#include "model/texts.h"

#include <filesystem>

// The language of the user's Windows display: Japanese when its primary language is Japanese.
Language DisplayLanguage();

// %LOCALAPPDATA%\QZ57editor\settings.ini; empty when the folder is unknown.
std::filesystem::path AppSettingsPath();

// What the editor speaks at start: the language chosen earlier in settings.ini, otherwise the
// display language. A missing or unreadable file is no error.
Language StartLanguage();

// Remembers the user's choice for the next start; false when it cannot be written, which the
// editor passes over (the choice still holds for this session).
bool RememberLanguage(Language language);
