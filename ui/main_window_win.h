#pragma once

#include <windows.h>

inline constexpr wchar_t MainClassName[] = L"MYMAIN";
inline constexpr wchar_t MainWindowTitle[] = L"QZ-570 series Singal Editor";

// Outer size of the main window: 1000 × 700 at 96 dpi, scaled.
SIZE MainWindowSize(int dpi);

// Pixel height of the controls' font for a screen dpi.
int UiFontHeight(int dpi);
HFONT CreateUiFont(int dpi);

// Horizontal pixels per inch of the screen.
int ReadScreenDpi();

// Registers the class MYMAIN with its icon and menu; false when the system refuses.
bool RegisterMainClass(HINSTANCE instance);

// Creates the fixed-size main window at dpi (ScreenDpi and UiFont set beforehand) and keeps it as
// MainWindow; nullptr when it cannot be created.
HWND CreateMainWindow(HINSTANCE instance, int dpi);

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Runs until the quit message; the keyboard moves between the main window's controls as in a
// dialog.
void RunMessageLoop();
