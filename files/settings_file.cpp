#include "files/settings_file.h"

#include "files/byte_order_mark.h"
#include "files/open_file.h"
#include "files/safe_write.h"
#include "model/catalogue.h"
#include "model/number_text.h"
#include "model/synthesis.h"
#include "model/tables.h"
#include "model/trace_points.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

namespace {

constexpr std::string_view Header = SettingsFileHeader;
constexpr std::string_view LineEnd = "\r\n";
constexpr std::size_t MaxLineLength = 255; // not counting the line end
constexpr std::size_t MaxTokenLength = 99;
constexpr int HighestVersion = 1;

void appendLine(std::string& out, std::string_view key, std::string_view value) {
    out.append(key).append("\t").append(value).append(LineEnd);
}

// Six significant digits, as settings files have always held them. A whole number that would
// lose digits that way (a noise seed has up to eight) is written in full, so a saved signal
// replays the same noise after loading.
std::string settingsNumber(double value) {
    std::string text = formatGeneral(value);
    double readBack = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), readBack);
    if (readBack != value && value == std::trunc(value) && std::fabs(value) < 1e15)
        return formatFixed(value, 0);
    return text;
}

void appendParams(std::string& out, const std::array<double, ParamSlots>& params, int count) {
    for (int j = 0; j < count && j < ParamSlots; ++j) {
        const char key[] = {'P', 'A', 'R', static_cast<char>('0' + j), '\0'};
        appendLine(out, key, settingsNumber(params[static_cast<std::size_t>(j)]));
    }
}

// ---- Reading ----

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// The next blank-separated token; rest is what follows it.
std::string_view nextToken(std::string_view& rest) {
    rest = skipBlanks(rest);
    std::size_t end = 0;
    while (end < rest.size() && !isBlank(rest[end]))
        ++end;
    const std::string_view token = rest.substr(0, end);
    rest.remove_prefix(end);
    return token;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// The whole number at the start of text, as scanf's %d reads it; no value when there is none or
// it does not fit an int.
std::optional<int> leadingInt(std::string_view text) {
    text = skipBlanks(text);
    if (startsWith(text, "+") && text.size() > 1 && text[1] != '-')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{})
        return std::nullopt;
    return value;
}

// Whether a number that from_chars matched but found out of range is too small rather than too
// large: its exponent is negative. A line is too short for the hundreds of digits that could
// outweigh the exponent.
bool isTooSmall(std::string_view number, std::from_chars_result result, bool hex) {
    const std::string_view matched =
        number.substr(0, static_cast<std::size_t>(result.ptr - number.data()));
    const std::size_t mark = matched.find_first_of(hex ? "pP" : "eE");
    return mark != std::string_view::npos && mark + 1 < matched.size() && matched[mark + 1] == '-';
}

// The number at the start of text, as scanf's %lf reads it (decimal, exponent or 0x hexadecimal
// form); no value when there is none or it is not finite or beyond the range of a double. A number
// too small for a double reads as zero with its sign, as strtod takes it.
std::optional<double> leadingFiniteNumber(std::string_view text) {
    text = skipBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
        if (!text.empty() && (text.front() == '+' || text.front() == '-'))
            return std::nullopt;
    }
    double value = 0.0;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view number = hex ? text.substr(2) : text;
    std::from_chars_result result =
        std::from_chars(number.data(), number.data() + number.size(), value,
                        hex ? std::chars_format::hex : std::chars_format::general);
    // "0x" without hexadecimal digits reads as the number 0, as scanf takes it.
    if (hex && result.ec == std::errc::invalid_argument) {
        value = 0.0;
        result.ec = std::errc{};
    }
    if (result.ec == std::errc::result_out_of_range && isTooSmall(number, result, hex)) {
        value = 0.0;
        result.ec = std::errc{};
    }
    if (result.ec != std::errc{} || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

// The value a save writes and a later read gets back.
std::optional<double> savedValue(double value) {
    return leadingFiniteNumber(settingsNumber(value));
}

bool roundAsSaved(std::array<double, ParamSlots>& params, int count) {
    for (int j = 0; j < count; ++j) {
        const auto value = savedValue(params[static_cast<std::size_t>(j)]);
        if (!value)
            return false;
        params[static_cast<std::size_t>(j)] = *value;
    }
    return true;
}

// The element as it reads back after a save; none when a value would not read back.
std::optional<SignalElement> savedForm(SignalElement element) {
    if (!roundAsSaved(element.params, element.paramCount) ||
        !roundAsSaved(element.subParamsA, element.subParamCountA) ||
        !roundAsSaved(element.subParamsB, element.subParamCountB))
        return std::nullopt;
    element.duration = elementDuration(element);
    return element;
}

enum class LineStatus { Read, End, TooLong };

// Hands out the lines of the file one at a time, without their CR LF or LF ends.
class LineSource {
  public:
    LineSource(std::istream& in, int lineBefore) : in_(in), number_(lineBefore) {}

    LineStatus next(std::string& line) {
        ++number_;
        line.clear();
        std::streambuf& buffer = *in_.rdbuf();
        for (;;) {
            const int c = buffer.sbumpc();
            if (c == std::char_traits<char>::eof())
                return line.empty() && !anyCharacter_ ? LineStatus::End : finish(line);
            anyCharacter_ = true;
            if (c == '\n')
                return finish(line);
            line.push_back(static_cast<char>(c));
            // Even if the last of these is the CR of a CR LF end, the line is too long: stop
            // reading a line that may be gigabytes.
            if (line.size() > MaxLineLength + 1)
                return LineStatus::TooLong;
        }
    }

    int number() const { return number_; }

    // Nothing follows the lines handed out so far.
    bool exhausted() const { return in_.rdbuf()->sgetc() == std::char_traits<char>::eof(); }

  private:
    LineStatus finish(std::string& line) {
        anyCharacter_ = false;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > MaxLineLength)
            return LineStatus::TooLong;
        // The C library would see a line as ending at its first NUL character.
        const std::size_t nul = line.find('\0');
        if (nul != std::string::npos)
            line.resize(nul);
        return LineStatus::Read;
    }

    std::istream& in_;
    int number_;
    bool anyCharacter_ = false;
};

void skipByteOrderMark(std::istream& in) {
    std::streambuf& buffer = *in.rdbuf();
    std::size_t matched = 0;
    while (matched < Utf8ByteOrderMark.size() &&
           buffer.sgetc() == static_cast<unsigned char>(Utf8ByteOrderMark[matched])) {
        buffer.sbumpc();
        ++matched;
    }
    // Part of a mark is no mark: its bytes stay for the header check to refuse.
    if (matched < Utf8ByteOrderMark.size())
        for (; matched > 0; --matched)
            buffer.sungetc();
}

class SettingsReader {
  public:
    // The text holds a whole settings file, or only elements (then lineBefore counts the lines
    // already taken from it).
    SettingsReader(std::istream& in, SignalDocument& doc, int lineBefore = 0)
        : lines_(in, lineBefore), doc_(doc) {}

    SettingsReadResult read();
    SettingsReadResult readElementsToEnd(std::size_t maxElements);

  private:
    // Reads the next line; on failure records what was expected there.
    bool nextLine(ReadProblem expected, std::int64_t limit = 0);
    bool fail(ReadProblem expected, std::int64_t limit = 0);
    bool failAt(int line, ReadProblem expected, std::int64_t limit = 0);
    std::optional<int> readIntLine(std::string_view key, int lowest, int highest,
                                   ReadProblem expected, std::int64_t limit = 0);
    std::optional<FuncType> readTypeLine(std::string_view key, FuncType highest,
                                         ReadProblem expected);
    bool readParams(int count, std::array<double, ParamSlots>& params);
    bool readElement();

    LineSource lines_;
    SignalDocument& doc_;
    std::string line_;
    SettingsReadResult result_;
    // Running totals of the list as read and as it would be after a save.
    double startTime_ = 0.0;
    double savedStartTime_ = 0.0;
    std::int64_t samples_ = 0;
    std::int64_t savedSamples_ = 0;
};

bool SettingsReader::fail(ReadProblem expected, std::int64_t limit) {
    return failAt(lines_.number(), expected, limit);
}

bool SettingsReader::failAt(int line, ReadProblem expected, std::int64_t limit) {
    result_.status = SettingsReadStatus::InvalidContent;
    result_.line = line;
    result_.problem = expected;
    result_.limit = limit;
    return false;
}

bool SettingsReader::nextLine(ReadProblem expected, std::int64_t limit) {
    switch (lines_.next(line_)) {
    case LineStatus::Read:
        return true;
    case LineStatus::TooLong:
        return fail(ReadProblem::LongLine, MaxLineLength);
    case LineStatus::End:
        break;
    }
    fail(expected, limit);
    result_.textEnded = true;
    return false;
}

std::optional<int> SettingsReader::readIntLine(std::string_view key, int lowest, int highest,
                                               ReadProblem expected, std::int64_t limit) {
    if (!nextLine(expected, limit))
        return std::nullopt;
    std::string_view rest = line_;
    const std::string_view token = nextToken(rest);
    std::optional<int> value;
    if (token.size() <= MaxTokenLength && startsWith(token, key))
        value = leadingInt(rest);
    if (!value || *value < lowest || *value > highest) {
        fail(expected, limit);
        return std::nullopt;
    }
    return value;
}

std::optional<FuncType> SettingsReader::readTypeLine(std::string_view key, FuncType highest,
                                                     ReadProblem expected) {
    if (!nextLine(expected))
        return std::nullopt;
    std::string_view rest = line_;
    const std::string_view token = nextToken(rest);
    const std::string_view word = nextToken(rest);
    std::optional<FuncType> type;
    if (token.size() <= MaxTokenLength && word.size() <= MaxTokenLength && startsWith(token, key))
        type = typeFromKeyword(word, highest);
    if (!type)
        fail(expected);
    return type;
}

bool SettingsReader::readParams(int count, std::array<double, ParamSlots>& params) {
    for (int j = 0; j < count; ++j) {
        if (!nextLine(ReadProblem::Parameter, j))
            return false;
        std::string_view rest = line_;
        const std::string_view token = nextToken(rest);
        std::optional<double> value;
        if (token.size() <= MaxTokenLength && startsWith(token, "PAR") && token.size() > 3 &&
            token[3] == '0' + j)
            value = leadingFiniteNumber(rest);
        if (!value)
            return fail(ReadProblem::Parameter, j);
        params[static_cast<std::size_t>(j)] = *value;
    }
    return true;
}

bool SettingsReader::readElement() {
    SignalElement element;
    const auto type = readTypeLine("FUNC", HighestFuncType, ReadProblem::Function);
    if (!type)
        return false;
    const int funcLine = lines_.number();
    element.type = *type;
    element.paramCount = paramCountOf(element.type);
    if (element.type != FUNC_SUM) {
        if (!readParams(element.paramCount, element.params))
            return false;
    } else {
        const auto typeA = readTypeLine("SUBFUNC", HighestSubTypeA, ReadProblem::SubFunctionA);
        if (!typeA)
            return false;
        element.subTypeA = *typeA;
        element.subParamCountA = paramCountOf(element.subTypeA);
        if (!readParams(element.subParamCountA, element.subParamsA))
            return false;
        const auto typeB = readTypeLine("SUBFUNC", HighestSubTypeB, ReadProblem::SubFunctionB);
        if (!typeB)
            return false;
        element.subTypeB = *typeB;
        element.subParamCountB = paramCountOf(element.subTypeB);
        if (!readParams(element.subParamCountB, element.subParamsB))
            return false;
    }
    element.duration = elementDuration(element);

    // A loaded list must also survive being saved, which rounds every parameter: both forms
    // must have a finite length and fit the trace, or a save would write a file that no longer
    // loads. Finite parameters can still multiply to an infinite length, and a list that could
    // not fit the trace would lose its start (a huge one would take billions of synthesis steps).
    const std::optional<SignalElement> saved = savedForm(element);
    if (!saved)
        return failAt(funcLine, ReadProblem::KeptWhenSaved);
    startTime_ += element.duration;
    savedStartTime_ += saved->duration;
    if (!std::isfinite(startTime_) || !std::isfinite(savedStartTime_))
        return failAt(funcLine, ReadProblem::FiniteTime);
    samples_ += sampleCountOf(element, doc_.sampleInterval);
    savedSamples_ += sampleCountOf(*saved, doc_.sampleInterval);
    if (std::max(samples_, savedSamples_) + 1 > MaxTracePoints)
        return failAt(funcLine, ReadProblem::SamplesFit, MaxTracePoints);
    doc_.elements.push_back(element);
    return true;
}

SettingsReadResult SettingsReader::read() {
    if (!nextLine(ReadProblem::Header))
        return result_;
    if (!startsWith(line_, Header)) {
        fail(ReadProblem::Header);
        return result_;
    }
    if (!readIntLine("VER", std::numeric_limits<int>::min(), HighestVersion, ReadProblem::Version,
                     HighestVersion))
        return result_;
    clearElements(doc_);

    const auto range =
        readIntLine("OUTRANGE", 0, RangeCount - 1, ReadProblem::RangeCode, RangeCount - 1);
    if (!range)
        return result_;
    doc_.rangeCode = *range;

    const auto code = readIntLine("RESOLUTION", 0, ResolutionCount - 1, ReadProblem::ResolutionCode,
                                  ResolutionCount - 1);
    if (!code)
        return result_;
    doc_.resolutionCode = *code;
    doc_.sampleInterval = resolution(*code).sampleInterval;

    const auto count =
        readIntLine("ELEMENT", 1, std::numeric_limits<int>::max(), ReadProblem::ElementCount);
    if (!count)
        return result_;
    for (int i = 0; i < *count; ++i) {
        if (!readElement())
            return result_;
    }
    return result_;
}

SettingsReadResult SettingsReader::readElementsToEnd(std::size_t maxElements) {
    do {
        if (doc_.elements.size() == maxElements) {
            failAt(lines_.number() + 1, ReadProblem::ElementLimit,
                   static_cast<std::int64_t>(maxElements));
            return result_;
        }
        if (!readElement())
            return result_;
    } while (!lines_.exhausted());
    return result_;
}

} // namespace

void appendElementLines(std::string& out, const SignalElement& element) {
    appendLine(out, "FUNC", keywordOf(element.type));
    if (element.type != FUNC_SUM) {
        appendParams(out, element.params, paramCountOf(element.type));
        return;
    }
    appendLine(out, "SUBFUNC", keywordOf(element.subTypeA));
    appendParams(out, element.subParamsA, paramCountOf(element.subTypeA));
    appendLine(out, "SUBFUNC", keywordOf(element.subTypeB));
    appendParams(out, element.subParamsB, paramCountOf(element.subTypeB));
}

SettingsReadResult readElementLines(std::istream& in, int lineBefore, double sampleInterval,
                                    std::size_t maxElements, ElementList& elements) {
    SignalDocument read;
    read.sampleInterval = sampleInterval;
    const SettingsReadResult result =
        SettingsReader(in, read, lineBefore).readElementsToEnd(maxElements);
    if (result.ok())
        elements = std::move(read.elements);
    return result;
}

std::string settingsFileText(const SignalDocument& doc) {
    std::string out;
    out.append(Header).append(LineEnd);
    appendLine(out, "VER", "1");
    appendLine(out, "OUTRANGE", std::to_string(doc.rangeCode));
    appendLine(out, "RESOLUTION", std::to_string(doc.resolutionCode));
    appendLine(out, "ELEMENTS", std::to_string(doc.elements.size()));
    for (const SignalElement& element : doc.elements)
        appendElementLines(out, element);
    return out;
}

WriteResult WriteSettingsFile(const std::filesystem::path& path, const SignalDocument& doc) {
    return writeFileSafely(path, settingsFileText(doc));
}

SettingsReadResult readSettingsText(std::istream& in, SignalDocument& doc) {
    skipByteOrderMark(in);
    return SettingsReader(in, doc).read();
}

SettingsReadResult ReadSettingsFile(const std::filesystem::path& path, SignalDocument& doc) {
    std::ifstream in;
    if (!openFileToRead(path, in))
        return {SettingsReadStatus::CannotOpen};
    return readSettingsText(in, doc);
}
