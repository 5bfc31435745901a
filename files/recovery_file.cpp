#include "files/recovery_file.h"

#include "files/byte_order_mark.h"
#include "files/open_file.h"
#include "files/safe_write.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>
#include <utility>

namespace {

constexpr std::string_view Header = "### QZ57 editor recovery copy ###";
constexpr std::string_view EndLine = "### end of recovery copy ###";
constexpr std::string_view LineEnd = "\r\n";
constexpr int Version = 1;

std::string numberText(std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::filesystem::path fromUtf8(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// Takes the copy's lines one at a time from the front of its text.
class FrameReader {
  public:
    explicit FrameReader(std::string_view text) : rest_(text) {}

    // The next line without its LF or CR LF end; a line without an end is torn.
    std::optional<std::string_view> line(ReadProblem expected) {
        ++number_;
        const std::size_t end = rest_.find('\n');
        if (end == std::string_view::npos) {
            failAt(number_, expected, true);
            return std::nullopt;
        }
        std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }

    // The value after "KEY<TAB>" on the next line.
    std::optional<std::string_view> value(std::string_view key, ReadProblem expected) {
        auto text = line(expected);
        if (!text)
            return std::nullopt;
        if (text->size() <= key.size() || text->substr(0, key.size()) != key ||
            (*text)[key.size()] != '\t') {
            fail(expected);
            return std::nullopt;
        }
        return text->substr(key.size() + 1);
    }

    std::optional<std::int64_t> number(std::string_view key, std::int64_t lowest,
                                       std::int64_t highest, ReadProblem expected) {
        const auto text = value(key, expected);
        if (!text)
            return std::nullopt;
        std::int64_t result = 0;
        const char* end = text->data() + text->size();
        const auto [stop, error] = std::from_chars(text->data(), end, result);
        if (error != std::errc{} || stop != end || result < lowest || result > highest) {
            fail(expected);
            return std::nullopt;
        }
        return result;
    }

    bool exactLine(std::string_view wanted, ReadProblem expected) {
        const auto text = line(expected);
        if (!text)
            return false;
        if (*text != wanted)
            return fail(expected);
        return true;
    }

    bool fail(ReadProblem expected) { return failAt(number_, expected); }

    bool failAt(int line, ReadProblem expected, bool textEnded = false) {
        result_.status = SettingsReadStatus::InvalidContent;
        result_.line = line;
        result_.problem = expected;
        result_.textEnded = textEnded;
        return false;
    }

    // The settings file between the frame's first lines and its end line.
    std::optional<std::string_view> settingsText() {
        const std::size_t end = rest_.rfind(EndLine);
        const std::string_view after = end == std::string_view::npos ? "" : rest_.substr(end);
        const bool ended =
            after == std::string(EndLine) + "\r\n" || after == std::string(EndLine) + "\n";
        if (!ended || (end > 0 && rest_[end - 1] != '\n')) {
            fail(ReadProblem::RecoveryEnd);
            return std::nullopt;
        }
        const std::string_view settings = rest_.substr(0, end);
        rest_.remove_prefix(end);
        return settings;
    }

    int lineNumber() const { return number_; }
    const SettingsReadResult& result() const { return result_; }

  private:
    std::string_view rest_;
    int number_ = 0;
    SettingsReadResult result_;
};

} // namespace

std::string recoveryFileText(const RecoveryCopy& copy) {
    std::string file = utf8(copy.file);
    bool everSaved = copy.everSaved;
    if (hasControlCharacter(file)) {
        file.clear();
        everSaved = false;
    }
    std::string out;
    out.append(Header).append(LineEnd);
    out.append("VER\t").append(numberText(Version)).append(LineEnd);
    out.append("TIME\t").append(numberText(copy.time)).append(LineEnd);
    out.append("SAVED\t").append(everSaved ? "1" : "0").append(LineEnd);
    out.append("FILE\t").append(file).append(LineEnd);
    out.append(settingsFileText(copy.document));
    out.append(EndLine).append(LineEnd);
    return out;
}

WriteResult WriteRecoveryFile(const std::filesystem::path& path, const RecoveryCopy& copy) {
    return writeFileSafely(path, recoveryFileText(copy));
}

SettingsReadResult readRecoveryText(std::string_view text, RecoveryCopy& copy) {
    FrameReader frame(withoutByteOrderMark(text));
    RecoveryCopy read;
    if (!frame.exactLine(Header, ReadProblem::RecoveryHeader))
        return frame.result();
    if (!frame.number("VER", Version, Version, ReadProblem::RecoveryVersion))
        return frame.result();
    const auto time = frame.number("TIME", 0, LatestRecoveryTime, ReadProblem::RecoveryTime);
    if (!time)
        return frame.result();
    read.time = *time;
    const auto saved = frame.number("SAVED", 0, 1, ReadProblem::RecoverySaved);
    if (!saved)
        return frame.result();
    read.everSaved = *saved == 1;
    const auto file = frame.line(ReadProblem::RecoveryFile);
    if (!file)
        return frame.result();
    // An untitled document has an empty path, and FILE is then followed by its TAB alone.
    if (file->substr(0, 5) != "FILE\t" || hasControlCharacter(file->substr(5))) {
        frame.fail(ReadProblem::RecoveryFile);
        return frame.result();
    }
    read.file = fromUtf8(file->substr(5));

    const auto settings = frame.settingsText();
    if (!settings)
        return frame.result();
    std::istringstream in{std::string(*settings)};
    SettingsReadResult result = readSettingsText(in, read.document);
    if (!result.ok()) {
        result.line += frame.lineNumber();
        return result;
    }
    // What the settings reader leaves unread would be lost: the copy must hold nothing else.
    if (in.rdbuf()->sgetc() != std::char_traits<char>::eof()) {
        const std::string_view read = settings->substr(0, static_cast<std::size_t>(in.tellg()));
        frame.failAt(frame.lineNumber() + 1 +
                         static_cast<int>(std::count(read.begin(), read.end(), '\n')),
                     ReadProblem::RecoveryEnd);
        return frame.result();
    }
    copy = std::move(read);
    return result;
}

SettingsReadResult ReadRecoveryFile(const std::filesystem::path& path, RecoveryCopy& copy) {
    std::ifstream in;
    if (!openFileToRead(path, in))
        return {SettingsReadStatus::CannotOpen};
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MaxRecoveryFileBytes)
            return {SettingsReadStatus::InvalidContent, 0, ReadProblem::RecoverySize,
                    MaxRecoveryFileBytes >> 20};
    }
    if (in.bad())
        return {SettingsReadStatus::CannotOpen};
    return readRecoveryText(text, copy);
}
