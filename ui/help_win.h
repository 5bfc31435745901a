#pragma once

#include <string>

// The help file beside the program file (not in the current folder).
std::wstring HelpFilePath();

// Opens the help file in the HTML Help viewer, unowned; does nothing when the viewer is missing.
void ShowHelp();
