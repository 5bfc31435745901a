#include "cli/commands.h"

#include "cli/load_document.h"
#include "cli/options.h"
#include "files/reference_file.h"
#include "model/number_text.h"
#include "model/reference_trace.h"

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

const char* const CompareUsage =
    "Usage: qz57 compare A B [--tolerance X]\n"
    "  A and B: settings files, replay CSV files or point files (delimited text, PWL)\n"
    "  compared at A's samples (of a point file: its points) over the time both cover,\n"
    "  B held (replay CSV, settings file) or straight between its points;\n"
    "  exit 0 when the largest difference is X or less (default 0), 1 when over\n";

namespace {

// The replay file holds 4 decimals: a difference under half the last one is the rounding's.
constexpr double ExportRounding = 0.00005;

struct CompareRequest {
    std::string_view first;
    std::string_view second;
    double tolerance = 0.0;
};

std::optional<CompareRequest> compareRequest(std::span<const std::string_view> args) {
    CompareRequest request;
    std::vector<std::string_view> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--tolerance") {
            const std::optional<double> tolerance =
                i + 1 < args.size() ? numberArgument(args[++i]) : std::nullopt;
            if (!tolerance || *tolerance < 0) {
                std::fprintf(stderr, "qz57: --tolerance needs a number of 0 or more\n");
                return std::nullopt;
            }
            request.tolerance = *tolerance;
        } else if (arg.starts_with("--")) {
            std::fprintf(stderr, "qz57: unexpected argument '%s'\n", std::string(arg).c_str());
            return std::nullopt;
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2)
        return std::nullopt;
    request.first = paths[0];
    request.second = paths[1];
    return request;
}

std::optional<ReferenceTrace> readOrReport(std::string_view path) {
    const std::filesystem::path file = argumentPath(path);
    ReferenceReadResult read = readReferenceFile(file, {}, Language::English);
    if (!read.ok) {
        std::fprintf(stderr, "qz57: %s: %s\n", pathText(file).c_str(), read.message.c_str());
        return std::nullopt;
    }
    return std::move(read.trace);
}

std::string seconds(double t) {
    return formatFixed(t, 3) + " s";
}

} // namespace

int runCompare(std::span<const std::string_view> args) {
    const std::optional<CompareRequest> request = compareRequest(args);
    if (!request) {
        std::fputs(CompareUsage, stderr);
        return ExitUsage;
    }
    const std::optional<ReferenceTrace> first = readOrReport(request->first);
    const std::optional<ReferenceTrace> second = first ? readOrReport(request->second) : first;
    if (!second)
        return ExitUsage;
    const TraceDifference difference = largestDifference(*first, *second);
    if (difference.compared == 0) {
        std::fprintf(stderr, "qz57: the two files cover no common time\n");
        return ExitFailed;
    }
    std::printf("largest difference %s at %s\n", formatFixed(difference.largest, 4).c_str(),
                seconds(difference.time).c_str());
    std::printf("compared %zu samples from %s to %s\n", difference.compared,
                seconds(difference.firstTime).c_str(), seconds(difference.lastTime).c_str());
    return difference.largest <= request->tolerance + ExportRounding ? ExitOk : ExitFailed;
}
