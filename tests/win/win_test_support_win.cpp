#include "tests/win/win_test_support_win.h"

#include "model/element_commands.h"
#include "resources/resource.h"
#include "ui/app_state_win.h"
#include "ui/editor_refresh_win.h"
#include "ui/main_window_win.h"
#include "ui/text_win.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;
#include <string>

namespace {

// A run under Wine must never stop at a system error box that nobody answers.
const bool QuietErrorModes =
    (SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX), true);

// A choice of language made in a test is remembered in a folder of the test run's own, never in
// the user's settings.
const bool OwnSettingsFolder = [] {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("qz57_test_settings_" + std::to_string(GetCurrentProcessId()));
    return SetEnvironmentVariableW(L"LOCALAPPDATA", folder.c_str()) != 0;
}();

// The static text of a message box has this id.
constexpr int MessageBoxTextId = 0xFFFF;
// File name box of the common file dialogs: an edit in the old layout, a combo box in Explorer's.
constexpr int FileNameEditId = 0x480;
constexpr int FileNameComboId = 0x47C;

constexpr auto PollInterval = std::chrono::milliseconds(20);
constexpr auto RetryInterval = std::chrono::seconds(2);

std::string ClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return Narrow(name);
}

struct DialogSearch {
    const std::vector<HWND>* skipped;
    HWND found = nullptr;
};

// A visible dialog box of the thread that has not been answered yet; the box on top comes first,
// so a question a dialog asks about itself is found before the dialog.
HWND FindOpenDialog(DWORD thread, const std::vector<HWND>& answered) {
    DialogSearch search{&answered};
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM state) -> BOOL {
            auto& search = *reinterpret_cast<DialogSearch*>(state);
            if (ClassName(window) == "#32770" && IsWindowVisible(window) &&
                std::find(search.skipped->begin(), search.skipped->end(), window) ==
                    search.skipped->end()) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

SeenDialog ReadDialog(HWND dialog) {
    SeenDialog seen;
    seen.title = WindowText(dialog);
    if (HWND text = GetDlgItem(dialog, MessageBoxTextId)) {
        seen.text = WindowText(text);
    }
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        seen.controlTexts[GetDlgCtrlID(child)] = WindowText(child);
    }
    return seen;
}

void SendKey(HWND target, UINT virtualKey) {
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1);
    PostMessageW(target, WM_KEYUP, virtualKey, 0xC0000001);
}

} // namespace

namespace {

// The editor the test opened; a test opens one at a time.
std::unique_ptr<MainWindow> OpenEditor;

} // namespace

fs::path TestLocalAppData() {
    return fs::temp_directory_path() /
           (L"qz57 window tests " + std::to_wstring(GetCurrentProcessId()));
}

HWND OpenMainWindow(int dpi) {
    // Recovery copies of the tests' editors stay out of the user's folder.
    SetEnvironmentVariableW(L"LOCALAPPDATA", TestLocalAppData().c_str());
    static const bool registered = RegisterMainClass(GetModuleHandleW(nullptr));
    if (!registered) {
        return nullptr;
    }
    AppInstance = GetModuleHandleW(nullptr);
    // The screen's mouse would move the chart's cursor: it waits in the far corner.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    OpenEditor = std::make_unique<MainWindow>();
    HWND window = CreateMainWindow(AppInstance, dpi, *OpenEditor);
    if (window != nullptr) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
    }
    PumpMessages();
    return window;
}

EditorWindow& Editor() {
    return OpenEditor->editor;
}

void ShowTestDocument(SignalDocument doc) {
    ChangeDocument(Editor(), [&doc](EditorModel& model) {
        model.load(std::move(doc), {});
        return RowSelection{};
    });
}

void ShowTestElements(ElementList elements) {
    const SignalDocument& doc = Editor().model.document();
    ChangeDocument(Editor(), [&](EditorModel& model) {
        model.apply(elementStep(doc, 0, doc.elements, std::move(elements), {}));
        return RowSelection{};
    });
}

HWND Control(int id) {
    return FindControl(Editor().window, id);
}

std::string StatusPartText(StatusPart part) {
    wchar_t text[256] = {};
    const auto index = static_cast<std::size_t>(part);
    const bool lower = index < LowerStatusParts;
    SendMessageW(Control(lower ? IDC_STATUS_BAR : IDC_STATUS_MEASURES), SB_GETTEXTW,
                 lower ? index : index - LowerStatusParts, reinterpret_cast<LPARAM>(text));
    return Narrow(text);
}

void SelectRow(int row, bool selected) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = selected ? LVIS_SELECTED : 0;
    SendMessageW(Control(IDC_ELEMENT_LIST), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

void SelectRows(int first, int count) {
    Editor().selection = rowSpan(first, count);
    Refresh(Editor(), SelectionPart);
    RevealRow(Editor(), first);
}

std::vector<int> ListSelectedRows() {
    std::vector<int> rows;
    HWND list = Control(IDC_ELEMENT_LIST);
    if (list == nullptr)
        return rows;
    // LVM_GETNEXTITEM answers -1 after the last selected row.
    for (int row = -1;;) {
        row = static_cast<int>(
            SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (row < 0)
            return rows;
        rows.push_back(row);
    }
}

int SelectedIndex() {
    const std::vector<int> rows = ListSelectedRows();
    return rows.empty() ? -1 : rows.front();
}

void CloseMainWindow() {
    OpenEditor.reset();
    PumpMessages();
    std::error_code error;
    fs::remove_all(TestLocalAppData(), error);
}

bool PumpMessages() {
    bool quit = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quit = true;
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return quit;
}

HWND FindControl(HWND parent, int id) {
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == id) {
            return child;
        }
        if (HWND found = FindControl(child, id)) {
            return found;
        }
    }
    return nullptr;
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return Narrow(text);
}

std::string ListCellText(HWND list, int row, int column) {
    wchar_t text[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return Narrow(text);
}

RECT RectInParent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

DialogAction PressButton(int id) {
    return [id](HWND dialog) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    };
}

DialogAction PressKey(UINT virtualKey) {
    return [virtualKey](HWND dialog) {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
        SendKey(info.hwndFocus != nullptr ? info.hwndFocus : dialog, virtualKey);
    };
}

DialogAction PressCloseBox() {
    return [](HWND dialog) { PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); };
}

DialogAction ChooseFile(const std::filesystem::path& path) {
    return [path](HWND dialog) {
        HWND name = GetDlgItem(dialog, FileNameEditId);
        if (name == nullptr) {
            name = GetDlgItem(dialog, FileNameComboId);
        }
        SetWindowTextW(name, path.wstring().c_str());
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    };
}

DialogAnswerer::DialogAnswerer(std::vector<DialogAction> actions,
                               std::chrono::milliseconds patience)
    : guiThread_(GetCurrentThreadId()),
      watcher_([this, actions = std::move(actions), patience] { watch(actions, patience); }) {}

DialogAnswerer::DialogAnswerer(DialogAction action, std::chrono::milliseconds patience)
    : DialogAnswerer(std::vector<DialogAction>{std::move(action)}, patience) {}

DialogAnswerer::~DialogAnswerer() {
    finish();
}

std::vector<SeenDialog> DialogAnswerer::finish() {
    stop_ = true;
    if (watcher_.joinable()) {
        watcher_.join();
    }
    return seen_;
}

void DialogAnswerer::answer(HWND dialog, const std::vector<DialogAction>& tries,
                            std::vector<HWND>& answered, std::chrono::milliseconds patience) {
    // Give the box time to finish laying out its controls before reading them.
    std::this_thread::sleep_for(PollInterval * 5);
    seen_.push_back(ReadDialog(dialog));
    answered.push_back(dialog);
    // A box still busy setting itself up can drop the input: give it again (or the next try)
    // until the box closes or asks something of its own.
    const auto giveUp = std::chrono::steady_clock::now() + patience;
    for (size_t attempt = 0; !stop_ && std::chrono::steady_clock::now() < giveUp; ++attempt) {
        tries[std::min(attempt, tries.size() - 1)](dialog);
        const auto retry = std::chrono::steady_clock::now() + RetryInterval;
        while (IsWindow(dialog) && IsWindowVisible(dialog) &&
               FindOpenDialog(guiThread_, answered) == nullptr &&
               std::chrono::steady_clock::now() < retry) {
            std::this_thread::sleep_for(PollInterval);
        }
        if (!IsWindow(dialog) || !IsWindowVisible(dialog) ||
            FindOpenDialog(guiThread_, answered) != nullptr) {
            return;
        }
    }
}

void DialogAnswerer::watch(std::vector<DialogAction> actions, std::chrono::milliseconds patience) {
    std::vector<HWND> answered;
    const std::vector<DialogAction> dismissals = {PressButton(IDCANCEL), PressButton(IDNO),
                                                  PressButton(IDOK)};
    for (const DialogAction& action : actions) {
        // Boxes answered earlier may still be open (a file dialog behind its own question).
        std::erase_if(answered, [](HWND window) { return !IsWindow(window); });
        const auto deadline = std::chrono::steady_clock::now() + patience;
        HWND dialog = nullptr;
        while (dialog == nullptr && !stop_ && std::chrono::steady_clock::now() < deadline) {
            dialog = FindOpenDialog(guiThread_, answered);
            if (dialog == nullptr) {
                std::this_thread::sleep_for(PollInterval);
            }
        }
        if (dialog == nullptr) {
            break;
        }
        answer(dialog, {action}, answered, patience);
    }
    // Boxes nobody expected are closed too and reported with the others, so that a test fails
    // on the count instead of waiting forever.
    while (!stop_) {
        std::erase_if(answered, [](HWND window) { return !IsWindow(window); });
        if (HWND dialog = FindOpenDialog(guiThread_, answered)) {
            answer(dialog, dismissals, answered, patience);
        } else {
            std::this_thread::sleep_for(PollInterval);
        }
    }
}

void DropFiles(const std::vector<std::wstring>& paths) {
    std::wstring list;
    for (const std::wstring& path : paths)
        list += path + L'\0';
    list += L'\0';
    HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    std::memcpy(header + 1, list.data(), list.size() * sizeof(wchar_t));
    GlobalUnlock(drop);
    SendMessageW(Editor().window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
}

namespace {

constexpr UINT ScriptTickMs = 5;
std::string PendingTitle;
DialogScript PendingScript;
bool ScriptRan = false;

void CALLBACK RunPendingScript(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = FindDialogBox(PendingTitle);
    if (dialog == nullptr)
        return; // not shown yet: the next tick looks again
    KillTimer(nullptr, timer);
    ScriptRan = true;
    PendingScript(dialog);
}

} // namespace

HWND FindDialogBox(std::string_view title, bool other) {
    struct Search {
        std::string_view title;
        bool other;
        HWND found = nullptr;
    } search{title, other};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM state) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(state);
            wchar_t className[16] = {};
            GetClassNameW(window, className, 16);
            const bool titled = WindowText(window) == search.title;
            if (std::wstring_view(className) == L"#32770" && IsWindowVisible(window) &&
                titled != search.other) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool RunInDialog(std::string_view title, const std::function<void()>& open, DialogScript script) {
    PendingTitle = title;
    PendingScript = std::move(script);
    ScriptRan = false;
    SetTimer(nullptr, 0, ScriptTickMs, RunPendingScript);
    open();
    return ScriptRan;
}

std::string ItemText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

void TypeInto(HWND dialog, int id, std::string_view text) {
    SetWindowTextW(GetDlgItem(dialog, id), Widen(text).c_str());
}

void ChooseEntry(HWND dialog, int combo, int entry) {
    SendDlgItemMessageW(dialog, combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, combo)));
}

bool ItemEnabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void ClickItem(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}
