#include "files/point_reader.h"

#include "files/byte_order_mark.h"
#include "files/open_file.h"
#include "model/tables.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <optional>
#include <system_error>

namespace {

constexpr std::string_view ReplayHeader = "AI1,";
// Lines looked at to tell the separator and the kind of numbers.
constexpr int SampledLines = 50;

// ---- Lines and fields ----

// Hands out the lines of the text without their CR LF or LF ends.
class Lines {
  public:
    explicit Lines(std::string_view text) : rest_(text) {}

    bool next(std::string_view& line) {
        if (rest_.empty())
            return false;
        const std::size_t end = rest_.find('\n');
        line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ++number_;
        return true;
    }

    int number() const { return number_; }

  private:
    std::string_view rest_;
    int number_ = 0;
};

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A spreadsheet quotes a field that holds its separator or text.
std::string_view unquoted(std::string_view field) {
    field = trimmed(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = trimmed(field.substr(1, field.size() - 2));
    return field;
}

// Separator 0 splits at runs of blanks and commas, as PWL files are written.
constexpr char BlankSeparated = 0;

void splitFields(std::string_view line, char separator, std::vector<std::string_view>& fields) {
    fields.clear();
    if (separator == BlankSeparated) {
        std::size_t at = 0;
        while (at < line.size()) {
            while (at < line.size() && (isSpace(line[at]) || line[at] == ','))
                ++at;
            const std::size_t start = at;
            while (at < line.size() && !isSpace(line[at]) && line[at] != ',')
                ++at;
            if (at > start)
                fields.push_back(line.substr(start, at - start));
        }
        return;
    }
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == '"')
            quoted = !quoted;
        else if (line[at] == separator && !quoted) {
            fields.push_back(unquoted(line.substr(start, at - start)));
            start = at + 1;
        }
    }
    fields.push_back(unquoted(line.substr(start)));
}

bool isComment(std::string_view line, PointFormat format) {
    const std::string_view text = trimmed(line);
    if (text.empty())
        return false;
    return text.front() == '#' || text.front() == ';' ||
           (format == PointFormat::Pwl && text.front() == '*');
}

bool allEmpty(const std::vector<std::string_view>& fields) {
    return std::all_of(fields.begin(), fields.end(),
                       [](std::string_view field) { return field.empty(); });
}

// ---- Numbers ----

enum class NumberStatus { Number, NotANumber, NotFinite };

struct NumberRules {
    bool decimalComma = false; // "1,5": what spreadsheets write beside semicolons and tabs
    bool siSuffixes = false;   // "1.5m": PWL
};

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isLetter(char c) {
    return (lower(c) >= 'a' && lower(c) <= 'z');
}

// Circuit simulators scale by a letter after the number and ignore the letters after it, so
// "10ms" is 10m and "5V" is 5; "meg" is mega, "m" milli.
std::optional<double> suffixScale(std::string_view rest) {
    if (rest.empty())
        return 1.0;
    if (!std::all_of(rest.begin(), rest.end(), isLetter))
        return std::nullopt;
    if (rest.size() >= 3 && lower(rest[0]) == 'm' && lower(rest[1]) == 'e' && lower(rest[2]) == 'g')
        return 1e6;
    switch (lower(rest[0])) {
    case 'f':
        return 1e-15;
    case 'p':
        return 1e-12;
    case 'n':
        return 1e-9;
    case 'u':
        return 1e-6;
    case 'm':
        return 1e-3;
    case 'k':
        return 1e3;
    case 'g':
        return 1e9;
    case 't':
        return 1e12;
    default:
        return 1.0;
    }
}

NumberStatus parseNumber(std::string_view field, const NumberRules& rules, double& value) {
    field = trimmed(field);
    bool negative = false;
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    // Decimal digits only: from_chars would also take "nan", "inf" and hexadecimal forms.
    if (field.empty() || !((field.front() >= '0' && field.front() <= '9') || field.front() == '.' ||
                           (rules.decimalComma && field.front() == ',')))
        return lower(field.empty() ? ' ' : field.front()) == 'n' ||
                       lower(field.empty() ? ' ' : field.front()) == 'i'
                   ? NumberStatus::NotFinite
                   : NumberStatus::NotANumber;
    std::array<char, 64> buffer{};
    if (rules.decimalComma && field.find(',') != std::string_view::npos &&
        field.find('.') == std::string_view::npos && field.size() < buffer.size()) {
        std::copy(field.begin(), field.end(), buffer.begin());
        std::replace(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(field.size()),
                     ',', '.');
        field = std::string_view(buffer.data(), field.size());
    }
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error == std::errc::result_out_of_range)
        return NumberStatus::NotFinite;
    if (error != std::errc{})
        return NumberStatus::NotANumber;
    const std::string_view rest = field.substr(static_cast<std::size_t>(end - field.data()));
    if (!rest.empty()) {
        const std::optional<double> scale =
            rules.siSuffixes ? suffixScale(rest) : std::optional<double>{};
        if (!scale)
            return NumberStatus::NotANumber;
        value *= *scale;
    }
    if (negative)
        value = -value;
    return std::isfinite(value) ? NumberStatus::Number : NumberStatus::NotFinite;
}

// ---- Times ----

// A moment: days since 1970-01-01 for dated times (0 for plain seconds) and seconds into it.
struct Moment {
    std::int64_t day = 0;
    double seconds = 0.0;
    bool dated = false;
    bool dateOnly = false; // the time of day is in the next field
};

std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// Digits only, at most nine of them.
std::optional<std::int64_t> wholeNumber(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "h:mm:ss.fff", "m:ss.f" or "h:mm": seconds of the clock.
std::optional<double> parseClock(std::string_view text, const NumberRules& rules) {
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t second = text.find(':', first + 1);
    const auto leading = wholeNumber(text.substr(0, first));
    if (!leading)
        return std::nullopt;
    double last = 0.0;
    double seconds = 0.0;
    if (second == std::string_view::npos) {
        if (parseNumber(text.substr(first + 1), {rules.decimalComma, false}, last) !=
                NumberStatus::Number ||
            last < 0.0)
            return std::nullopt;
        seconds = static_cast<double>(*leading) * 60.0 + last;
    } else {
        const auto minutes = wholeNumber(text.substr(first + 1, second - first - 1));
        if (!minutes ||
            parseNumber(text.substr(second + 1), {rules.decimalComma, false}, last) !=
                NumberStatus::Number ||
            last < 0.0)
            return std::nullopt;
        seconds = static_cast<double>(*leading * 3600 + *minutes * 60) + last;
    }
    return seconds;
}

// "2020/1/1", "2026-12-08": days since 1970.
std::optional<std::int64_t> parseDate(std::string_view text) {
    if (text.size() < 5)
        return std::nullopt;
    const char separator = text.find('/') != std::string_view::npos ? '/' : '-';
    const std::size_t first = text.find(separator);
    const std::size_t second = text.find(separator, first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos)
        return std::nullopt;
    const auto year = wholeNumber(text.substr(0, first));
    const auto month = wholeNumber(text.substr(first + 1, second - first - 1));
    const auto day = wholeNumber(text.substr(second + 1));
    if (!year || !month || !day || *year > 9999 || *month < 1 || *month > 12 || *day < 1 ||
        *day > 31)
        return std::nullopt;
    return daysFromCivil(*year, static_cast<unsigned>(*month), static_cast<unsigned>(*day));
}

std::optional<Moment> parseMoment(std::string_view field, const NumberRules& rules) {
    field = trimmed(field);
    if (!field.empty() && (field.back() == 'Z' || field.back() == 'z'))
        field.remove_suffix(1);
    const std::size_t split = field.find_first_of(" T");
    const std::string_view datePart = field.substr(0, split);
    if (const auto day = parseDate(datePart)) {
        Moment moment{*day, 0.0, true, split == std::string_view::npos};
        if (split != std::string_view::npos) {
            const auto clock = parseClock(trimmed(field.substr(split + 1)), rules);
            if (!clock)
                return std::nullopt;
            moment.seconds = *clock;
        }
        return moment;
    }
    if (field.find(':') != std::string_view::npos) {
        const auto clock = parseClock(field, rules);
        if (!clock)
            return std::nullopt;
        return Moment{0, *clock, false, false};
    }
    Moment moment;
    if (parseNumber(field, rules, moment.seconds) != NumberStatus::Number)
        return std::nullopt;
    return moment;
}

// ---- Format detection ----

struct Layout {
    PointFormat format = PointFormat::Delimited;
    char separator = ',';
    NumberRules rules;
};

bool looksLikePwlTime(std::string_view field) {
    field = trimmed(field);
    if (field.size() >= 2 && field.front() == '+' && field[1] >= '0' && field[1] <= '9')
        return true;
    double value = 0.0;
    return parseNumber(field, {false, false}, value) == NumberStatus::NotANumber &&
           parseNumber(field, {false, true}, value) == NumberStatus::Number;
}

Layout detectLayout(std::string_view text) {
    Lines lines(text);
    std::string_view line;
    std::array<int, 3> counts{}; // tab, semicolon, comma
    constexpr std::array<char, 3> Separators{'\t', ';', ','};
    std::vector<std::string_view> firstFields;
    int sampled = 0;
    while (sampled < SampledLines && lines.next(line)) {
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#' || content.front() == ';' ||
            content.front() == '*')
            continue;
        ++sampled;
        for (std::size_t i = 0; i < Separators.size(); ++i)
            counts[i] += content.find(Separators[i]) != std::string_view::npos ? 1 : 0;
        const std::size_t end = content.find_first_of(" \t,;");
        firstFields.push_back(content.substr(0, end));
    }
    Layout layout;
    const auto most = std::max_element(counts.begin(), counts.end());
    const bool pwlTimes = std::any_of(firstFields.begin(), firstFields.end(), looksLikePwlTime);
    if (*most == 0 ||
        (pwlTimes && Separators[static_cast<std::size_t>(most - counts.begin())] != ';')) {
        layout.format = PointFormat::Pwl;
        layout.separator = BlankSeparated;
        layout.rules.siSuffixes = true;
        return layout;
    }
    layout.separator = Separators[static_cast<std::size_t>(most - counts.begin())];
    layout.rules.decimalComma = layout.separator != ',';
    return layout;
}

// ---- Rows ----

struct Columns {
    int time = 0;
    int value = 1;
    bool timeSpansTwo = false;
};

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t length = c < 0x80           ? 1
                             : (c >> 5) == 0x6  ? 2
                             : (c >> 4) == 0xE  ? 3
                             : (c >> 3) == 0x1E ? 4
                                                : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

class RowReader {
  public:
    RowReader(const Layout& layout, const PointReadOptions& options, PointReadResult& result)
        : layout_(layout), options_(options), result_(result) {}

    void read(std::string_view text);

  private:
    Columns columnsFor(const std::vector<std::string_view>& fields) const;
    // What the row says; Read when it gave a point.
    PointReadStatus takeRow(const std::vector<std::string_view>& fields);
    void refuse(PointReadStatus status, int line) {
        result_.status = status;
        result_.line = line;
    }

    const Layout& layout_;
    const PointReadOptions& options_;
    PointReadResult& result_;
    Columns columns_;
    Moment first_;
    double previous_ = 0.0;
};

Columns RowReader::columnsFor(const std::vector<std::string_view>& fields) const {
    Columns columns;
    const auto firstMoment = parseMoment(fields.front(), layout_.rules);
    if (options_.timeColumn == DefaultColumn) {
        if (fields.size() == 1) {
            columns.time = NoTimeColumn;
        } else if (firstMoment && firstMoment->dateOnly && fields.size() >= 3 &&
                   parseClock(trimmed(fields[1]), layout_.rules)) {
            columns.timeSpansTwo = true;
        }
    } else {
        columns.time = options_.timeColumn;
        const auto index = static_cast<std::size_t>(columns.time);
        if (columns.time >= 0 && index + 1 < fields.size()) {
            const auto moment = parseMoment(fields[index], layout_.rules);
            columns.timeSpansTwo =
                moment && moment->dateOnly && parseClock(trimmed(fields[index + 1]), layout_.rules);
        }
    }
    if (options_.valueColumn == DefaultColumn)
        columns.value =
            columns.time == NoTimeColumn ? 0 : columns.time + (columns.timeSpansTwo ? 2 : 1);
    else
        columns.value = options_.valueColumn;
    return columns;
}

PointReadStatus RowReader::takeRow(const std::vector<std::string_view>& fields) {
    const int needed =
        std::max(columns_.value, columns_.time + (columns_.timeSpansTwo ? 1 : 0)) + 1;
    if (static_cast<int>(fields.size()) < needed)
        return PointReadStatus::TooFewColumns;
    double value = 0.0;
    const NumberStatus valueStatus =
        parseNumber(fields[static_cast<std::size_t>(columns_.value)], layout_.rules, value);
    if (valueStatus == NumberStatus::NotFinite)
        return PointReadStatus::NotFinite;
    if (valueStatus != NumberStatus::Number)
        return PointReadStatus::NotANumber;

    double time = 0.0;
    const std::size_t count = result_.points.values.size();
    if (columns_.time == NoTimeColumn) {
        time = static_cast<double>(count) * options_.timeStep;
    } else {
        const std::string_view field = trimmed(fields[static_cast<std::size_t>(columns_.time)]);
        auto moment = parseMoment(field, layout_.rules);
        if (!moment || moment->dateOnly != columns_.timeSpansTwo)
            return PointReadStatus::NotANumber;
        if (columns_.timeSpansTwo) {
            const auto clock = parseClock(
                trimmed(fields[static_cast<std::size_t>(columns_.time) + 1]), layout_.rules);
            if (!clock)
                return PointReadStatus::NotANumber;
            moment->seconds = *clock;
        }
        const bool relative = layout_.format == PointFormat::Pwl && field.front() == '+';
        if (count == 0) {
            first_ = *moment;
            if (relative)
                first_.seconds = 0.0;
        } else if (moment->dated != first_.dated) {
            return PointReadStatus::NotANumber;
        }
        if (count == 0)
            time = 0.0; // times count from the first row
        else if (relative)
            time = previous_ + moment->seconds;
        else
            time = static_cast<double>(moment->day - first_.day) * 86400.0 +
                   (moment->seconds - first_.seconds);
    }
    if (!std::isfinite(time))
        return PointReadStatus::NotFinite;
    if (count > 0 && time < previous_)
        return PointReadStatus::TimeBackwards;
    if (count == options_.maxRows)
        return PointReadStatus::TooManyRows;
    previous_ = time;
    result_.points.times.push_back(time);
    result_.points.values.push_back(value);
    return PointReadStatus::Read;
}

void RowReader::read(std::string_view text) {
    if (options_.timeColumn == NoTimeColumn &&
        !(options_.timeStep > 0.0 && std::isfinite(options_.timeStep)))
        return refuse(PointReadStatus::NeedsTimeStep, 0);
    Lines lines(text);
    std::string_view line;
    std::string_view header;
    std::vector<std::string_view> fields;
    bool started = false;
    while (lines.next(line)) {
        if (isComment(line, layout_.format))
            continue;
        splitFields(line, layout_.separator, fields);
        if (fields.empty() || allEmpty(fields))
            continue;
        if (!started) {
            columns_ = columnsFor(fields);
            if (columns_.time == NoTimeColumn &&
                !(options_.timeStep > 0.0 && std::isfinite(options_.timeStep))) {
                double value = 0.0;
                if (parseNumber(fields.front(), layout_.rules, value) == NumberStatus::Number)
                    return refuse(PointReadStatus::NeedsTimeStep, lines.number());
                header = line;
                continue;
            }
            if (takeRow(fields) != PointReadStatus::Read) {
                header = line;
                continue;
            }
            started = true;
            result_.points.lines.push_back(lines.number());
            result_.columnCount = static_cast<int>(fields.size());
            if (!header.empty()) {
                std::vector<std::string_view> names;
                splitFields(header, layout_.separator, names);
                for (const std::string_view name : names)
                    result_.columnNames.emplace_back(isValidUtf8(name) ? name : std::string_view{});
            }
            continue;
        }
        const PointReadStatus status = takeRow(fields);
        if (status != PointReadStatus::Read)
            return refuse(status, lines.number());
        result_.points.lines.push_back(lines.number());
    }
    if (!started)
        return refuse(PointReadStatus::NoNumbers, 0);
    result_.timeColumn = columns_.time;
    result_.valueColumn = columns_.value;
    result_.timeSpansTwoFields = columns_.timeSpansTwo;
    if (columns_.time == NoTimeColumn)
        result_.points.timeStep = options_.timeStep;
}

// ---- Replay files ----

// The range whose export label the header carries, in code page 932 as exported or in UTF-8.
int replayRangeCode(std::string_view label) {
    constexpr std::string_view PlusMinusUtf8 = "\xC2\xB1";
    constexpr std::string_view PlusMinusShiftJis = "\x81\x7D";
    label = trimmed(label);
    for (int code = 0; code < RangeCount; ++code) {
        const std::string_view utf8 = outputRange(code).exportLabel;
        std::string shiftJis(utf8);
        if (const std::size_t at = shiftJis.find(PlusMinusUtf8); at != std::string::npos)
            shiftJis.replace(at, PlusMinusUtf8.size(), PlusMinusShiftJis);
        if (label == utf8 || label == shiftJis)
            return code;
    }
    return -1;
}

// "H:MM:SS.ff" or "H:MM:SS.fff" in milliseconds, with the number of fraction digits.
std::optional<std::int64_t> replayMilliseconds(std::string_view text, int& digits) {
    const std::size_t first = text.find(':');
    const std::size_t dot = text.rfind('.');
    if (first == std::string_view::npos || dot == std::string_view::npos || dot < first ||
        text.size() < dot + 3 || text.size() > dot + 4 || dot - first != 6 ||
        text[first + 3] != ':')
        return std::nullopt;
    const auto hours = wholeNumber(text.substr(0, first));
    const auto minutes = wholeNumber(text.substr(first + 1, 2));
    const auto seconds = wholeNumber(text.substr(first + 4, 2));
    const auto fraction = wholeNumber(text.substr(dot + 1));
    if (!hours || !minutes || !seconds || !fraction || *minutes > 59 || *seconds > 59)
        return std::nullopt;
    digits = static_cast<int>(text.size() - dot - 1);
    return ((*hours * 60 + *minutes) * 60 + *seconds) * 1000 + *fraction * (digits == 2 ? 10 : 1);
}

void readReplay(std::string_view text, std::size_t maxRows, PointReadResult& result) {
    result.format = PointFormat::ReplayCsv;
    result.columnCount = 3;
    result.timeColumn = 1;
    result.valueColumn = 2;
    Lines lines(text);
    std::string_view line;
    lines.next(line);
    PointList& points = result.points;
    points.replayRangeCode = replayRangeCode(line.substr(ReplayHeader.size()));
    points.replayTimeDigits = 2;
    std::vector<std::string_view> fields;
    std::int64_t first = 0;
    std::int64_t previous = 0;
    while (lines.next(line)) {
        if (trimmed(line).empty())
            continue;
        splitFields(line, ',', fields);
        const auto refuse = [&](PointReadStatus status) {
            result.status = status;
            result.line = lines.number();
        };
        if (fields.size() < 3)
            return refuse(PointReadStatus::TooFewColumns);
        int digits = 0;
        const auto milliseconds = replayMilliseconds(fields[1], digits);
        double value = 0.0;
        const NumberStatus valueStatus = parseNumber(fields[2], {}, value);
        if (!milliseconds || !parseDate(fields[0]))
            return refuse(PointReadStatus::NotANumber);
        if (valueStatus != NumberStatus::Number)
            return refuse(valueStatus == NumberStatus::NotFinite ? PointReadStatus::NotFinite
                                                                 : PointReadStatus::NotANumber);
        if (!points.times.empty() && *milliseconds < previous)
            return refuse(PointReadStatus::TimeBackwards);
        if (points.times.size() == maxRows)
            return refuse(PointReadStatus::TooManyRows);
        if (points.times.empty())
            first = *milliseconds;
        points.times.push_back(static_cast<double>(*milliseconds - first) / 1000.0);
        previous = *milliseconds;
        points.values.push_back(value);
        points.lines.push_back(lines.number());
        points.replayTimeDigits = std::max(points.replayTimeDigits, digits);
    }
    if (points.times.empty()) {
        result.status = PointReadStatus::NoNumbers;
        result.line = 0;
    }
}

} // namespace

PointReadStatus loadPointText(std::istream& in, std::string& text) {
    text.clear();
    std::array<char, 1 << 16> buffer{};
    while (in) {
        in.read(buffer.data(), buffer.size());
        text.append(buffer.data(), static_cast<std::size_t>(in.gcount()));
        if (text.size() > MaxPointTextBytes) {
            text.clear();
            return PointReadStatus::TooLarge;
        }
    }
    return in.bad() ? PointReadStatus::CannotOpen : PointReadStatus::Read;
}

PointReadStatus loadPointText(const std::filesystem::path& path, std::string& text) {
    text.clear();
    std::ifstream in;
    if (!openFileToRead(path, in))
        return PointReadStatus::CannotOpen;
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > MaxPointTextBytes)
        return PointReadStatus::TooLarge;
    return loadPointText(in, text);
}

PointReadResult readPoints(std::string_view text, const PointReadOptions& options) {
    PointReadResult result;
    if (text.size() > MaxPointTextBytes) {
        result.status = PointReadStatus::TooLarge;
        return result;
    }
    text = withoutByteOrderMark(text);
    if (text.substr(0, ReplayHeader.size()) == ReplayHeader) {
        readReplay(text, options.maxRows, result);
    } else {
        const Layout layout = detectLayout(text);
        result.format = layout.format;
        RowReader(layout, options, result).read(text);
    }
    if (!result.ok())
        result.points = {};
    return result;
}
