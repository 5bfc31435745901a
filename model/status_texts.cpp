#include "model/status_texts.h"

#include "model/number_text.h"
#include "model/tables.h"

std::string fileStatusText(const std::filesystem::path& file, bool modified) {
    const std::u8string name = file.filename().u8string();
    std::string text = name.empty() ? "無題" : std::string(name.begin(), name.end());
    if (modified)
        text += " (変更あり)";
    return text;
}

std::string timeStatusText(const SignalDocument& doc) {
    std::string text = formatFixed(totalDuration(doc), 3) + " 秒";
    if (doc.resolutionCode >= 0)
        text += " / " + formatGeneral(resolution(doc.resolutionCode).maximumTotalTime) + " 秒";
    return text;
}

std::string countStatusText(std::size_t elements, int samples) {
    return groupedThousands(static_cast<long long>(elements)) + " 要素 / " +
           groupedThousands(samples) + " 点";
}
