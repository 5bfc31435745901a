#include "files/csv_file.h"

#include "files/safe_write.h"
#include "model/clipping.h"
#include "model/number_text.h"
#include "model/tables.h"

#include <charconv>
#include <cmath>

namespace {

// The instrument reads code page 932, where the plus-minus sign is these two bytes.
constexpr std::string_view PlusMinusUtf8 = "\xC2\xB1";
constexpr std::string_view PlusMinusShiftJis = "\x81\x7D";
constexpr std::string_view LineEnd = "\r\n";

// A tenth of a millisecond, added before truncating so 0.3 s does not print as 0.29.
constexpr double TimeRounding = 0.0001;
// Whole seconds are counted in an int, as the instrument's files always were.
constexpr double TimeLimit = 2147483647.0;
constexpr int MillisecondResolution = 3;

std::string headerLine(int rangeCode) {
    std::string label(outputRange(rangeCode).exportLabel);
    for (std::size_t at = label.find(PlusMinusUtf8); at != std::string::npos;
         at = label.find(PlusMinusUtf8, at))
        label.replace(at, PlusMinusUtf8.size(), PlusMinusShiftJis);
    return "AI1," + label + std::string(LineEnd);
}

void appendNumber(std::string& out, long long value, int minimumDigits) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    for (auto count = end - digits; count < minimumDigits; ++count)
        out.push_back('0');
    out.append(digits, end);
}

// "2020/1/D,H:MM:SS.ff," with the day counted from 1 and hours not reduced to the day.
void appendDateTime(std::string& out, double time, bool milliseconds) {
    double whole = 0.0;
    const double fraction = std::modf(time + TimeRounding, &whole);
    const long long seconds = static_cast<long long>(whole);
    out.append("2020/1/");
    appendNumber(out, seconds / 86400 + 1, 1);
    out.push_back(',');
    appendNumber(out, seconds / 3600, 1);
    out.push_back(':');
    appendNumber(out, seconds % 3600 / 60, 2);
    out.push_back(':');
    appendNumber(out, seconds % 60, 2);
    out.push_back('.');
    const double scale = milliseconds ? 1000.0 : 100.0;
    appendNumber(out, static_cast<long long>(fraction * scale), milliseconds ? 3 : 2);
    out.push_back(',');
}

// Refuses what the instrument cannot replay, before anything is written.
CsvWriteResult checkPoints(const TracePoints& points, int rangeCode, int resolutionCode) {
    if (points.pointCount() < 2)
        return {CsvWriteStatus::TooFewPoints};
    if (rangeCode < 0 || rangeCode >= RangeCount || resolutionCode < 0 ||
        resolutionCode >= ResolutionCount)
        return {CsvWriteStatus::UnknownCode};
    double previousTime = 0.0;
    for (int i = 0; i < points.pointCount(); ++i) {
        const SamplePoint point = points.pointAt(i);
        if (!std::isfinite(point.value))
            return {CsvWriteStatus::NonFiniteValue, i};
        // The negated test also refuses NaN.
        if (!(point.time >= previousTime && point.time + TimeRounding < TimeLimit))
            return {CsvWriteStatus::BadTime, i};
        previousTime = point.time;
    }
    return {};
}

} // namespace

CsvWriteResult csvFileText(const TracePoints& points, int rangeCode, int resolutionCode,
                           std::string& out) {
    out.clear();
    const CsvWriteResult check = checkPoints(points, rangeCode, resolutionCode);
    if (!check.ok())
        return check;

    const OutputRange& range = outputRange(rangeCode);
    const bool milliseconds = resolutionCode == MillisecondResolution;
    const int count = points.pointCount();
    out.reserve(static_cast<std::size_t>(count) * 32);
    out.append(headerLine(rangeCode));
    double previous = 0.0;
    for (int i = 0; i < count; ++i) {
        const SamplePoint point = points.pointAt(i);
        const double value = clampToLimits(point.value, range.minimum, range.maximum);
        if (i != 0 && i != count - 1 && value == previous)
            continue;
        appendDateTime(out, point.time, milliseconds);
        out.append(formatFixed(value, 4)).append(LineEnd);
        previous = value;
    }
    return check;
}

CsvWriteResult writeCsvText(const std::filesystem::path& path, std::string_view text) {
    switch (writeFileSafely(path, text)) {
    case WriteResult::Written:
        return {CsvWriteStatus::Written};
    case WriteResult::CannotOpen:
        return {CsvWriteStatus::CannotOpen};
    case WriteResult::WriteFailed:
        break;
    }
    return {CsvWriteStatus::WriteFailed};
}

CsvWriteResult WriteCsvFile(const std::filesystem::path& path, const TracePoints& points,
                            int rangeCode, int resolutionCode) {
    std::string text;
    const CsvWriteResult composed = csvFileText(points, rangeCode, resolutionCode, text);
    if (!composed.ok())
        return composed;
    return writeCsvText(path, text);
}

std::string_view csvWriteMessage(CsvWriteStatus status, Language language) {
    switch (status) {
    case CsvWriteStatus::Written:
        return text(TextId::ExportWritten, language);
    case CsvWriteStatus::CannotOpen:
        return text(TextId::ExportCannotOpen, language);
    case CsvWriteStatus::WriteFailed:
        return text(TextId::ExportWriteFailed, language);
    case CsvWriteStatus::TooFewPoints:
        return text(TextId::ExportNothingToExport, language);
    case CsvWriteStatus::UnknownCode:
        return text(TextId::ExportChooseRangeAndResolution, language);
    case CsvWriteStatus::NonFiniteValue:
        return text(TextId::ExportNonFiniteValue, language);
    case CsvWriteStatus::BadTime:
        return text(TextId::ExportBadTime, language);
    }
    return {};
}
