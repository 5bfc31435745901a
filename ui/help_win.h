#pragma once

#include "model/texts.h"

#include <windows.h>

#include <string>

// The help file of the language beside the program file (not in the current folder).
std::wstring HelpFilePath(Language language);

// The default value of a registry key naming a library, environment variables expanded; empty
// when it is missing or a relative name, which would be searched for beside the program.
std::wstring LibraryPathFromRegistry(HKEY root, const wchar_t* subKey);

// Full path of the registered HTML Help control, or empty.
std::wstring RegisteredHelpControlPath();

// Opens the language's help file in the HTML Help viewer, unowned; does nothing when the viewer
// is missing.
void ShowHelp(Language language);
