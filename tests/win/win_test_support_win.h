#pragma once

#include "ui/editor_refresh_win.h"
#include "ui/main_layout.h"
#include "ui/main_window_win.h"
#include "ui/open_files_win.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// Support for tests that drive the program's real windows in the test's own process.

// Where the editors of the tests keep their recovery copies: LOCALAPPDATA while a main window
// is open, a folder of the test process's own that CloseMainWindow deletes.
std::filesystem::path TestLocalAppData();

// Creates the main window as the program's start does (class, the editor with its window, chart
// and controls, shown), at the given dpi instead of the screen's, with a fresh document. One
// main window at a time. The mouse is moved out of its way first.
HWND OpenMainWindow(int dpi = 96);

// The editor of the window OpenMainWindow opened.
EditorWindow& Editor();

// Gives the open editor this document, as a load would, and shows it.
void ShowTestDocument(SignalDocument doc);

// Gives the open editor's document these elements, as edits would, and shows it.
void ShowTestElements(ElementList elements);

// A control of the open main window by its id, or nullptr.
HWND Control(int id);

// The text of one part of the open main window's status bar.
std::string StatusPartText(StatusPart part);

// Selects (or unselects) a row in the list view as a click would: the control changes first and
// reports it.
void SelectRow(int row, bool selected = true);

// Selects count rows from first as a command leaves them: the editor's selection, refreshed.
void SelectRows(int first, int count);

// The rows the list view shows selected, lowest first; the lowest of them, or -1.
std::vector<int> ListSelectedRows();

// Sends the main window a drop of these files, as Explorer does.
void DropFiles(const std::vector<std::wstring>& paths);
int SelectedIndex();

// Destroys the main window with its editor and takes the quit message its end posts.
void CloseMainWindow();

// Dispatches every message waiting for this thread; true when a quit message was among them.
bool PumpMessages();

// A descendant of parent with this control id (searched depth-first), or nullptr.
HWND FindControl(HWND parent, int id);

// The window's text, as UTF-8.
std::string WindowText(HWND window);

// The text of one cell of a report-style list view, as UTF-8.
std::string ListCellText(HWND list, int row, int column);

// Outer rectangle of a window relative to its parent's client area.
RECT RectInParent(HWND window);

// What a test saw of one dialog box (message box, about box, file dialog).
struct SeenDialog {
    std::string title;
    std::string text;                        // a message box's text (control 0xFFFF)
    std::map<int, std::string> controlTexts; // every child control by id
};

// What the test does with a dialog box; runs on the watching thread while the box is open.
using DialogAction = std::function<void(HWND dialog)>;

DialogAction PressButton(int id);                           // e.g. IDYES, IDNO, IDOK
DialogAction PressKey(UINT virtualKey);                     // to the control with the focus
DialogAction PressCloseBox();                               // the caption's close box
DialogAction ChooseFile(const std::filesystem::path& path); // file dialog: name typed, OK pressed

// Answers the next dialog boxes of the calling thread, one action per box in order, from a
// thread of its own, so the test can send the message that opens them and block as a user's
// click would. Each box is read before its action runs. Boxes beyond the actions are closed
// (Cancel, else No, else OK) and reported too, so an unexpected box fails a test on the count
// rather than hanging it.
class DialogAnswerer {
  public:
    explicit DialogAnswerer(std::vector<DialogAction> actions,
                            std::chrono::milliseconds patience = std::chrono::seconds(20));
    explicit DialogAnswerer(DialogAction action,
                            std::chrono::milliseconds patience = std::chrono::seconds(20));
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Stops waiting for further boxes and returns those seen, in order.
    std::vector<SeenDialog> finish();

  private:
    void watch(std::vector<DialogAction> actions, std::chrono::milliseconds patience);
    void answer(HWND dialog, const std::vector<DialogAction>& tries, std::vector<HWND>& answered,
                std::chrono::milliseconds patience);

    DWORD guiThread_;
    std::atomic<bool> stop_{false};
    std::vector<SeenDialog> seen_;
    std::thread watcher_;
};

// What a test does inside a dialog while it is open. It runs on the dialog's own thread, inside
// the dialog's modal loop, so every message it sends is handled before the call returns.
using DialogScript = std::function<void(HWND dialog)>;

// A visible dialog box of this thread with the given title (any other title when `other`).
HWND FindDialogBox(std::string_view title, bool other = false);

// Does what opens the dialog titled `title` and runs the script in it once it shows; the script
// ends it. True when the script ran.
bool RunInDialog(std::string_view title, const std::function<void()>& open, DialogScript script);

// A dialog's control as the user sees and uses it.
std::string ItemText(HWND dialog, int id);
void TypeInto(HWND dialog, int id, std::string_view text); // the edit tells of the change
void ChooseEntry(HWND dialog, int combo, int entry);       // and the list tells of it
bool ItemEnabled(HWND dialog, int id);
void ClickItem(HWND dialog, int id);
