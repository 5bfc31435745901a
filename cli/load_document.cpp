#include "cli/load_document.h"

#include "files/replace_file.h"
#include "files/settings_file.h"

#include <cstdio>
#include <string>

std::filesystem::path argumentPath(std::string_view argument) {
    // Arguments are UTF-8 on every platform (see main).
    return std::filesystem::path(std::u8string(argument.begin(), argument.end()));
}

std::string pathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string readOnlyNote(const std::filesystem::path& path) {
    return isReadOnlyFile(path) ? " (the file is read-only)" : "";
}

bool loadDocumentOrReport(std::string_view path, SignalDocument& doc) {
    const std::filesystem::path file = argumentPath(path);
    const SettingsReadResult result = ReadSettingsFile(file, doc);
    switch (result.status) {
    case SettingsReadStatus::Read:
        return true;
    case SettingsReadStatus::CannotOpen:
        std::fprintf(stderr, "qz57: %s: cannot open the file\n", pathText(file).c_str());
        return false;
    case SettingsReadStatus::InvalidContent:
        break;
    }
    std::fprintf(stderr, "qz57: %s:%d: invalid settings file: expected %s\n",
                 pathText(file).c_str(), result.line,
                 expectationText(result, Language::English).c_str());
    return false;
}
