#include "model/status_texts.h"

#include "model/number_text.h"
#include "model/tables.h"

std::string fileStatusText(const std::filesystem::path& file, bool modified, Language language) {
    const std::u8string name = file.filename().u8string();
    const std::string shown = name.empty() ? std::string(text(TextId::StatusUntitled, language))
                                           : std::string(name.begin(), name.end());
    return modified ? formatText(TextId::StatusModified, language, {shown}) : shown;
}

std::string timeStatusText(const SignalDocument& doc, Language language) {
    const std::string total = formatFixed(totalDuration(doc), 3);
    if (doc.resolutionCode < 0)
        return formatText(TextId::StatusTotalTime, language, {total});
    return formatText(TextId::StatusTimeOfMax, language,
                      {total, formatGeneral(resolution(doc.resolutionCode).maximumTotalTime)});
}

std::string countStatusText(std::size_t elements, int samples, Language language) {
    return formatText(
        TextId::StatusCounts, language,
        {groupedThousands(static_cast<long long>(elements)), groupedThousands(samples)});
}
