#pragma once

#include <windows.h>

#include <string>

// The help file beside the program file (not in the current folder).
std::wstring HelpFilePath();

// The default value of a registry key naming a library, environment variables expanded; empty
// when it is missing or a relative name, which would be searched for beside the program.
std::wstring LibraryPathFromRegistry(HKEY root, const wchar_t* subKey);

// Full path of the registered HTML Help control, or empty.
std::wstring RegisteredHelpControlPath();

// Opens the help file in the HTML Help viewer, unowned; does nothing when the viewer is missing.
void ShowHelp();
