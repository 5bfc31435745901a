#pragma once

#include "model/clipping.h"
#include "model/editor_model.h"
#include "ui/canvas_window_win.h"
#include "ui/main_controls_win.h"

#include <windows.h>

inline constexpr wchar_t MainClassName[] = L"MYMAIN";
inline constexpr wchar_t MainWindowTitle[] = L"QZ-570 series Singal Editor";

// The editor: one main window with the model it edits, its chart and its controls. Its owner
// keeps it alive while the window exists; the window finds it in its user data.
struct EditorWindow {
    HWND window = nullptr;
    int dpi = 96;
    HFONT font = nullptr; // of the controls, deleted with the object
    EditorModel model;
    CanvasWindow chart;
    MainControls controls;
    std::vector<ClippedElement> clipped; // of the document shown
    bool selectionShowPending = false;   // the chart is about to show the list's selection

    EditorWindow() = default;
    EditorWindow(const EditorWindow&) = delete;
    EditorWindow& operator=(const EditorWindow&) = delete;
    ~EditorWindow();
};

// The editor a main window shows; nullptr for any other window.
EditorWindow* EditorOf(HWND window);

// Outer size of the main window without its status bar: 1000 × 700 at 96 dpi, scaled.
SIZE MainWindowSize(int dpi);

// Pixel height of the controls' font for a screen dpi.
int UiFontHeight(int dpi);
HFONT CreateUiFont(int dpi);

// Horizontal pixels per inch of the screen.
int ReadScreenDpi();

// Registers the class MYMAIN with its icon and menu; false when the system refuses.
bool RegisterMainClass(HINSTANCE instance);

// Creates editor's fixed-size main window at dpi, with its chart, controls and status bar;
// nullptr when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, int dpi, EditorWindow& editor);

// Grays 元に戻す and やり直し when there is nothing to undo or redo.
void UpdateMenuStates(EditorWindow& editor);

// What the message loop does first with each message: the editor's shortcut keys, then the
// keyboard moving between its controls as in a dialog. True when the message was used.
bool TranslateMainMessage(EditorWindow& editor, HACCEL shortcuts, MSG& message);

// Opens the settings file the program was started with (what Explorer passes for "Open with" or a
// file association): the first argument, when it names a .dat file. Other arguments are ignored.
void OpenCommandLineFile(EditorWindow& editor, const wchar_t* commandLine);

// Runs until the quit message. The editor's shortcut keys work everywhere in the main window,
// and the keyboard moves between its controls as in a dialog.
void RunMessageLoop(EditorWindow& editor);
