#include "ui/language_win.h"

#include "files/app_settings.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

namespace {

// CoTaskMemFree for the folder path the shell allocates.
struct ShellPath {
    PWSTR text = nullptr;
    ShellPath() = default;
    ShellPath(const ShellPath&) = delete;
    ShellPath& operator=(const ShellPath&) = delete;
    ~ShellPath() { CoTaskMemFree(text); }
};

std::filesystem::path LocalAppDataFolder() {
    // The variable first: it is what the user's session says, and a test can point it elsewhere.
    std::wstring value(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(),
                                                     static_cast<DWORD>(value.size()));
        if (length == 0)
            break;
        if (length < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(length);
    }
    ShellPath folder;
    if (SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &folder.text) != S_OK)
        return {};
    return folder.text;
}

} // namespace

Language DisplayLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese
                                                                      : Language::English;
}

std::filesystem::path AppSettingsPath() {
    const std::filesystem::path folder = LocalAppDataFolder();
    if (folder.empty() || !folder.is_absolute())
        return {};
    return folder / L"QZ57editor" / L"settings.ini";
}

Language StartLanguage() {
    const std::filesystem::path path = AppSettingsPath();
    if (path.empty())
        return DisplayLanguage();
    return loadAppSettings(path).language.value_or(DisplayLanguage());
}

bool RememberLanguage(Language language) {
    const std::filesystem::path path = AppSettingsPath();
    if (path.empty())
        return false;
    AppSettings settings = loadAppSettings(path);
    settings.language = language;
    return saveAppSettings(path, settings);
}
