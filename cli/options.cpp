#include "cli/options.h"

#include "cli/commands.h"
#include "cli/load_document.h"
#include "files/settings_file.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::optional<double> numberArgument(std::string_view text) {
    double value = 0.0;
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> wholeArgument(std::string_view text, int lowest, int highest) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < lowest ||
        value > highest)
        return std::nullopt;
    return value;
}

bool badOption(std::string_view option, std::string_view what) {
    std::fprintf(stderr, "qz57: %s needs %s\n", std::string(option).c_str(),
                 std::string(what).c_str());
    return false;
}

int saveMade(std::string_view outPath, const SignalDocument& doc,
             const std::vector<std::string>& lines) {
    const std::filesystem::path out = argumentPath(outPath);
    if (WriteSettingsFile(out, doc) != WriteResult::Written) {
        std::fprintf(stderr, "qz57: %s: cannot write the file%s\n", pathText(out).c_str(),
                     readOnlyNote(out).c_str());
        return ExitFailed;
    }
    std::printf("range %d, resolution %d\n", doc.rangeCode, doc.resolutionCode);
    for (const std::string& line : lines)
        std::printf("%s\n", line.c_str());
    return ExitOk;
}
