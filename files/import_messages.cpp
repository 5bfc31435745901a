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
        return formatText(
            id, language,
            {formatFixed(result.summary.duration, 3), formatGeneral(result.summary.maximumTime)});
    return atLine(result.line, std::string(text(id, language)), language);
}

std::vector<std::string> importSummaryLines(const ImportSummary& summary, int rangeCode,
                                            Language language) {
    const auto count = [](auto n) { return groupedThousands(static_cast<long long>(n)); };
    return {
        formatText(TextId::ImportSummaryPoints, language, {count(summary.pointsRead)}),
        formatText(TextId::ImportSummaryElements, language, {count(summary.elementsMade)}),
        formatText(TextId::ImportSummaryDeviation, language,
                   {formatFixed(summary.largestDeviation, 4), outputRange(rangeCode).unitText}),
        formatText(TextId::ImportSummaryDuration, language,
                   {formatFixed(summary.duration, 3), formatGeneral(summary.maximumTime)}),
        formatText(TextId::ImportSummaryClipped, language, {count(summary.clippedSamples)}),
    };
}
