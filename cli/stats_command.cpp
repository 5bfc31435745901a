#include "cli/commands.h"

#include "cli/load_document.h"
#include "cli/options.h"
#include "model/document_view.h"
#include "model/number_text.h"
#include "model/signal_stats.h"
#include "model/synthesis.h"
#include "model/tables.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

const char* const StatsUsage =
    "Usage: qz57 stats SETTINGS.dat [--from SECONDS] [--to SECONDS]\n"
    "  --from, --to  the stretch to measure (default: the whole signal)\n";

namespace {

struct StatsRequest {
    std::string_view settingsPath;
    std::optional<double> from;
    std::optional<double> to;
};

std::optional<StatsRequest> statsRequest(std::span<const std::string_view> args) {
    StatsRequest request;
    int paths = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--from" || arg == "--to") {
            const std::optional<double> seconds =
                i + 1 < args.size() ? numberArgument(args[++i]) : std::nullopt;
            if (!seconds) {
                std::fprintf(stderr, "qz57: %s needs a number of seconds\n",
                             std::string(arg).c_str());
                return std::nullopt;
            }
            (arg == "--from" ? request.from : request.to) = seconds;
        } else if (arg.starts_with("--") || paths == 1) {
            std::fprintf(stderr, "qz57: unexpected argument '%s'\n", std::string(arg).c_str());
            return std::nullopt;
        } else {
            request.settingsPath = arg;
            ++paths;
        }
    }
    if (paths != 1)
        return std::nullopt;
    if (request.from && request.to && !(*request.from < *request.to)) {
        std::fprintf(stderr, "qz57: --from must be earlier than --to\n");
        return std::nullopt;
    }
    return request;
}

std::string seconds(double t) {
    return formatFixed(t, 3) + " s";
}

void printStats(const SignalStats& stats, int rangeCode) {
    const auto line = [](const std::string& text) { std::printf("%s\n", text.c_str()); };
    line("start " + seconds(stats.stretch.start));
    line("end " + seconds(stats.stretch.end));
    line("duration " + seconds(stats.stretch.duration()));
    line("samples " + std::to_string(stats.sampleCount));
    line("min " + formatFixed(stats.minimum, 4) + " at " + seconds(stats.minimumTime));
    line("max " + formatFixed(stats.maximum, 4) + " at " + seconds(stats.maximumTime));
    line("mean " + formatFixed(stats.mean, 4));
    line("rms " + formatFixed(stats.rms, 4));
    line("p-p " + formatFixed(stats.peakToPeak(), 4));
    line("outside range " + std::to_string(stats.outsideRange));
    line("unit " + std::string(outputRange(rangeCode).unitText));
}

} // namespace

int runStats(std::span<const std::string_view> args) {
    const std::optional<StatsRequest> request = statsRequest(args);
    if (!request) {
        std::fputs(StatsUsage, stderr);
        return ExitUsage;
    }
    SignalDocument doc;
    if (!loadDocumentOrReport(request->settingsPath, doc))
        return ExitFailed;
    TracePoints samples;
    rebuildSamples(doc.elements, doc.sampleInterval, samples);
    TimeStretch stretch = selectionStretch(makeDocumentView(doc, samples), {});
    stretch.start = std::max(stretch.start, request->from.value_or(stretch.start));
    stretch.end = std::min(stretch.end, request->to.value_or(stretch.end));
    stretch.whole = !request->from && !request->to;
    const SignalStats stats = measureStretch(doc, samples, stretch);
    if (stats.sampleCount == 0) {
        std::fprintf(stderr, "qz57: %s: no samples from %s to %s; the signal lasts %s\n",
                     pathText(argumentPath(request->settingsPath)).c_str(),
                     seconds(request->from.value_or(0)).c_str(),
                     seconds(request->to.value_or(totalDuration(doc))).c_str(),
                     seconds(totalDuration(doc)).c_str());
        return ExitFailed;
    }
    printStats(stats, doc.rangeCode);
    return ExitOk;
}
