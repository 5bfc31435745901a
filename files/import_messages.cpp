#include "files/import_messages.h"

#include "model/number_text.h"
#include "model/tables.h"

namespace {

TextId readTextOf(PointReadStatus status) {
    switch (status) {
    case PointReadStatus::Read:
    case PointReadStatus::CannotOpen:
        break;
    case PointReadStatus::TooLarge:
        return TextId::ImportTooLarge;
    case PointReadStatus::TooManyRows:
        return TextId::ImportTooManyRows;
    case PointReadStatus::NoNumbers:
        return TextId::ImportNoNumbers;
    case PointReadStatus::TooFewColumns:
        return TextId::ImportTooFewColumns;
    case PointReadStatus::NotANumber:
        return TextId::ImportNotANumber;
    case PointReadStatus::NotFinite:
        return TextId::ImportNotFinite;
    case PointReadStatus::TimeBackwards:
        return TextId::ImportTimeBackwards;
    case PointReadStatus::NeedsTimeStep:
        return TextId::ImportNeedsTimeStep;
    }
    return TextId::ImportCannotOpen;
}

TextId refusalTextOf(ImportStatus status) {
    switch (status) {
    case ImportStatus::Made:
    case ImportStatus::NoRange:
        break;
    case ImportStatus::NoResolution:
        return TextId::ImportNoResolution;
    case ImportStatus::BadSetting:
        return TextId::ImportBadSetting;
    case ImportStatus::NotFinite:
        return TextId::ImportOverflow;
    case ImportStatus::HugeValue:
        return TextId::ImportHugeValue;
    case ImportStatus::TooShort:
        return TextId::ImportTooShort;
    case ImportStatus::TooLong:
        return TextId::ImportTooLong;
    }
    return TextId::ImportNoRange;
}

std::string atLine(int line, std::string message, Language language) {
    if (line <= 0)
        return message;
    return formatText(TextId::ImportAtLine, language, {std::to_string(line), message});
}

} // namespace

std::string pointReadMessage(PointReadStatus status, int line, Language language) {
    return atLine(line, std::string(text(readTextOf(status), language)), language);
}

std::string importRefusalMessage(const ImportResult& result, Language language) {
    const TextId id = refusalTextOf(result.status);
    if (id == TextId::ImportTooLong)
        return tooLongMessage(result.summary, language);
    return atLine(result.line, std::string(text(id, language)), language);
}

std::string tooLongMessage(const ImportSummary& summary, Language language) {
    return formatText(TextId::ImportTooLong, language,
                      {formatFixed(summary.duration, 3), formatGeneral(summary.maximumTime)});
}

std::vector<std::string> importSummaryLines(const ImportSummary& summary, int rangeCode,
                                            Language language) {
    std::vector<std::string> lines = madeSummaryLines(summary, rangeCode, true, language);
    lines.insert(lines.begin(),
                 formatText(TextId::ImportSummaryPoints, language,
                            {groupedThousands(static_cast<long long>(summary.pointsRead))}));
    return lines;
}

std::vector<std::string> madeSummaryLines(const ImportSummary& summary, int rangeCode, bool fitted,
                                          Language language) {
    const auto count = [](auto n) { return groupedThousands(static_cast<long long>(n)); };
    std::vector<std::string> lines{
        formatText(TextId::ImportSummaryElements, language, {count(summary.elementsMade)})};
    if (fitted)
        lines.push_back(formatText(
            TextId::ImportSummaryDeviation, language,
            {formatFixed(summary.largestDeviation, 4), outputRange(rangeCode).unitText}));
    lines.push_back(
        formatText(TextId::ImportSummaryDuration, language,
                   {formatFixed(summary.duration, 3), formatGeneral(summary.maximumTime)}));
    lines.push_back(
        formatText(TextId::ImportSummaryClipped, language, {count(summary.clippedSamples)}));
    return lines;
}
