#include "ui/help_win.h"

#include "ui/app_state_win.h"

#include <shlwapi.h>

namespace {

using HtmlHelpProc = HWND(WINAPI*)(HWND owner, const wchar_t* file, UINT command, DWORD_PTR data);

// HtmlHelpW is export 15 of the HTML Help control (14 is the ANSI HtmlHelpA).
constexpr WORD HtmlHelpWOrdinal = 15;
constexpr UINT HH_DISPLAY_TOPIC = 0;

constexpr wchar_t HelpControlKey[] =
    L"CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";

HMODULE LoadRegisteredHelpControl() {
    const std::wstring path = RegisteredHelpControlPath();
    if (path.empty()) {
        return nullptr;
    }
    return LoadLibraryExW(path.c_str(), nullptr,
                          LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadHelpControl() {
    if (HMODULE library = LoadRegisteredHelpControl()) {
        return library;
    }
    return LoadLibraryExW(L"hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// Looked up on the first request and remembered, found or not.
HtmlHelpProc HtmlHelpEntry() {
    static const HtmlHelpProc entry = []() -> HtmlHelpProc {
        HMODULE library = LoadHelpControl();
        if (library == nullptr) {
            return nullptr;
        }
        return reinterpret_cast<HtmlHelpProc>(
            reinterpret_cast<void*>(GetProcAddress(library, MAKEINTRESOURCEA(HtmlHelpWOrdinal))));
    }();
    return entry;
}

} // namespace

std::wstring LibraryPathFromRegistry(HKEY root, const wchar_t* subKey) {
    wchar_t path[MAX_PATH];
    DWORD size = sizeof path;
    // Asking for a plain string also accepts an expandable one, returned expanded.
    if (RegGetValueW(root, subKey, nullptr, RRF_RT_REG_SZ, nullptr, path, &size) != ERROR_SUCCESS ||
        PathIsRelativeW(path)) {
        return {};
    }
    return path;
}

std::wstring RegisteredHelpControlPath() {
    return LibraryPathFromRegistry(HKEY_CLASSES_ROOT, HelpControlKey);
}

std::wstring HelpFilePath(Language language) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(AppInstance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t folderEnd = path.find_last_of(L"\\/");
    if (folderEnd == std::wstring::npos) {
        return {};
    }
    path.erase(folderEnd + 1);
    return path + (language == Language::English ? L"QZ57editor-en.chm" : L"QZ57editor.chm");
}

void ShowHelp(Language language) {
    const HtmlHelpProc htmlHelp = HtmlHelpEntry();
    const std::wstring path = HelpFilePath(language);
    if (htmlHelp != nullptr && !path.empty()) {
        htmlHelp(nullptr, path.c_str(), HH_DISPLAY_TOPIC, 0);
    }
}
