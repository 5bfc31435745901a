#pragma once

#include "ui/editor_window_win.h"

#include <windows.h>

inline constexpr wchar_t MainClassName[] = L"MYMAIN";

// The main window sits on top of the editor's rooms: it hands each message to the module that
// handles it (commands, the list's notifications, files, help) and nothing below it calls back up.

// The editor a main window shows; nullptr for any other window.
EditorWindow* EditorOf(HWND window);

// Outer size of the main window without its status bar: 1000 × 700 at 96 dpi in Japanese, wider
// in English, scaled.
SIZE MainWindowSize(int dpi, Language language);

// Horizontal pixels per inch of the screen.
int ReadScreenDpi();

// Registers the class MYMAIN with its icon and menu; false when the system refuses.
bool RegisterMainClass(HINSTANCE instance);

// Creates editor's fixed-size main window at dpi, with its chart, controls and status bar;
// nullptr when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, int dpi, EditorWindow& editor);
