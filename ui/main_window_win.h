#pragma once

#include "ui/editor_events_win.h"
#include "ui/editor_window_win.h"

#include <windows.h>

inline constexpr wchar_t MainClassName[] = L"MYMAIN";

// The main window sits on top of the editor's rooms: it hands each message to the module that
// handles it (commands, the list's notifications, files, help) and nothing below it calls back up.

// A main window: the editor it shows and where its chart and list report. The owner keeps it
// alive while the window exists.
struct MainWindow {
    EditorWindow editor;
    EditorEvents events{editor};
};

// Horizontal pixels per inch of the screen.
int ReadScreenDpi();

// Registers the class MYMAIN with its icon and menu; false when the system refuses.
bool RegisterMainClass(HINSTANCE instance);

// Creates the fixed-size main window at dpi, with its chart, controls and status bar; nullptr
// when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, int dpi, MainWindow& main);
