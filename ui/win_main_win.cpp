#include "ui/app_state_win.h"
#include "ui/main_window_win.h"

#include <clocale>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Libraries come from the system folder only, never from the current folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    std::setlocale(LC_ALL, "Japanese");
    AppInstance = instance;
    if (!RegisterMainClass(instance)) {
        return 0;
    }
    ScreenDpi = ReadScreenDpi();
    UiFont = CreateUiFont(ScreenDpi);
    if (CreateMainWindow(instance, ScreenDpi) == nullptr) {
        DeleteObject(UiFont);
        return 0;
    }
    ShowWindow(MainWindow, SW_SHOW);
    UpdateWindow(MainWindow);
    RunMessageLoop();
    DeleteObject(UiFont);
    return 0;
}
