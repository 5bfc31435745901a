#include "files/app_settings.h"

#include "files/byte_order_mark.h"
#include "files/safe_write.h"

#include <fstream>
#include <system_error>

namespace {

constexpr std::string_view Section = "[QZ57editor]";
constexpr std::string_view LanguageKey = "language";

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::optional<Language> languageOfValue(std::string_view value) {
    if (sameIgnoringCase(value, "ja"))
        return Language::Japanese;
    if (sameIgnoringCase(value, "en"))
        return Language::English;
    return std::nullopt;
}

void readLine(std::string_view line, AppSettings& settings) {
    line = trimmed(line);
    if (line.empty() || line.front() == ';' || line.front() == '#' || line.front() == '[')
        return;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return;
    if (!sameIgnoringCase(trimmed(line.substr(0, equals)), LanguageKey))
        return;
    if (const std::optional<Language> language = languageOfValue(trimmed(line.substr(equals + 1))))
        settings.language = language;
}

} // namespace

AppSettings parseAppSettings(std::string_view text) {
    text = withoutByteOrderMark(text.substr(0, MaxAppSettingsBytes));
    AppSettings settings;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        readLine(text.substr(0, end), settings);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return settings;
}

std::string appSettingsText(const AppSettings& settings) {
    std::string text(Section);
    text += "\r\n";
    if (settings.language)
        text += *settings.language == Language::Japanese ? "Language=ja\r\n" : "Language=en\r\n";
    return text;
}

AppSettings loadAppSettings(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::string text(MaxAppSettingsBytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return parseAppSettings(text);
}

bool saveAppSettings(const std::filesystem::path& path, const AppSettings& settings) {
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        return false;
    return writeFileSafely(path, appSettingsText(settings)) == WriteResult::Written;
}
