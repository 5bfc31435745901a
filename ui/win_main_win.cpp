#include "ui/app_state_win.h"
#include "ui/language_win.h"
#include "ui/main_window_win.h"
#include "ui/message_loop_win.h"
#include "ui/open_files_win.h"
#include "ui/recovery_start_win.h"

#include <clocale>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Libraries come from the system folder only, never from the current folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    std::setlocale(LC_ALL, "Japanese");
    AppInstance = instance;
    if (!RegisterMainClass(instance)) {
        return 0;
    }
    MainWindow main;
    EditorWindow& editor = main.editor;
    editor.language = StartLanguage();
    HWND window = CreateMainWindow(instance, ReadScreenDpi(), main);
    if (window == nullptr) {
        return 0;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    // Unsaved work of an editor that ended comes first, before a file named to open.
    const bool restored = RecoverAtStart(editor, GetCommandLineW());
    OpenCommandLineFile(editor, GetCommandLineW(), restored);
    RunMessageLoop(editor);
    return 0;
}
