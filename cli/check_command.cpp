#include "cli/commands.h"

#include "cli/load_document.h"
#include "model/catalogue.h"
#include "model/number_text.h"
#include "model/signal_document.h"
#include "model/tables.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr const char* CheckUsage = "Usage: qz57 check SETTINGS.dat\n";

// Start times as the element list shows them: minutes (not wrapped at 60), seconds and
// milliseconds. Times a hand-edited file moved before 0 or beyond any signal print as seconds.
std::string startTimeText(double t) {
    if (!(t >= 0.0 && t < 2147483647.0))
        return formatGeneral(t) + "s";
    double whole = 0.0;
    const double fraction = std::modf(t, &whole);
    const long long seconds = static_cast<long long>(whole);
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02lld.%03d", seconds / 60, seconds % 60,
                  static_cast<int>(fraction * 1000.0));
    return text;
}

} // namespace

int runCheck(std::span<const std::string_view> args) {
    if (args.size() != 1) {
        std::fputs(CheckUsage, stderr);
        return ExitUsage;
    }
    SignalDocument doc;
    if (!loadDocumentOrReport(args[0], doc))
        return ExitFailed;

    const OutputRange& range = outputRange(doc.rangeCode);
    const Resolution& res = resolution(doc.resolutionCode);
    std::printf("range: %s (code %d)\n", std::string(range.listText).c_str(), doc.rangeCode);
    std::printf("resolution: %s (code %d)\n", std::string(res.listText).c_str(),
                doc.resolutionCode);
    std::printf("elements: %zu\n", doc.elements.size());
    double start = 0.0;
    int number = 1;
    for (const SignalElement& element : doc.elements) {
        std::printf("%4d  %s  %s  %s\n", number++, startTimeText(start).c_str(),
                    std::string(displayNameOf(element.type)).c_str(), summaryText(element).c_str());
        start += element.duration;
    }
    const double total = totalDuration(doc);
    std::printf("total time: %s s of %s s%s\n", formatFixed(total, 3).c_str(),
                formatGeneral(res.maximumTotalTime).c_str(),
                total > res.maximumTotalTime ? " (over the limit: the editor adds nothing more)"
                                             : "");
    return ExitOk;
}
