#include "cli/commands.h"

#include "cli/load_document.h"
#include "cli/options.h"
#include "files/import_messages.h"
#include "files/point_reader.h"
#include "files/settings_file.h"
#include "model/point_import.h"
#include "model/tables.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

const char* const ImportUsage =
    "Usage: qz57 import POINTS OUT.dat [--range CODE] [--resolution CODE] [--step | --linear]\n"
    "                  [--tolerance X] [--gain G] [--offset O] [--time-scale S]\n"
    "                  [--columns T,V] [--interval SECONDS]\n";

namespace {

struct ImportRequest {
    std::string_view pointsPath;
    std::string_view outPath;
    PointReadOptions read;
    std::optional<int> range;
    std::optional<int> resolution;
    std::optional<ImportShape> shape;
    double tolerance = 0.0;
    double gain = 1.0;
    double offset = 0.0;
    double timeScale = 1.0;
};

// "T,V" with columns from 1, or "-,V" for values without times.
bool parseColumns(std::string_view text, PointReadOptions& options) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return false;
    const std::string_view time = text.substr(0, comma);
    const auto value = wholeArgument(text.substr(comma + 1), 1, 1'000'000);
    if (!value)
        return false;
    options.valueColumn = *value - 1;
    if (time == "-") {
        options.timeColumn = NoTimeColumn;
        return true;
    }
    const auto timeColumn = wholeArgument(time, 1, 1'000'000);
    if (!timeColumn)
        return false;
    options.timeColumn = *timeColumn - 1;
    return true;
}

bool takeOption(std::string_view option, std::string_view value, ImportRequest& request) {
    if (option == "--range") {
        request.range = wholeArgument(value, 0, RangeCount - 1);
        return request.range || badOption(option, "a range code 0 to 4");
    }
    if (option == "--resolution") {
        request.resolution = wholeArgument(value, 0, ResolutionCount - 1);
        return request.resolution || badOption(option, "a resolution code 0 to 3");
    }
    if (option == "--columns")
        return parseColumns(value, request.read) ||
               badOption(option, "T,V: column numbers from 1, T may be -");
    if (option == "--interval") {
        const auto step = numberArgument(value);
        request.read.timeStep = step.value_or(0.0);
        return (step && *step > 0.0) || badOption(option, "a positive number of seconds");
    }
    const std::optional<double> number = numberArgument(value);
    if (!number)
        return badOption(option, "a number");
    if (option == "--tolerance" && *number >= 0.0)
        request.tolerance = *number;
    else if (option == "--gain")
        request.gain = *number;
    else if (option == "--offset")
        request.offset = *number;
    else if (option == "--time-scale" && *number > 0.0)
        request.timeScale = *number;
    else
        return badOption(option,
                         option == "--tolerance" ? "a number of 0 or more" : "a positive number");
    return true;
}

std::optional<ImportRequest> importRequest(std::span<const std::string_view> args) {
    ImportRequest request;
    std::vector<std::string_view> paths;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--step" || arg == "--linear") {
            request.shape = arg == "--step" ? ImportShape::Step : ImportShape::Linear;
        } else if (arg.starts_with("--")) {
            static constexpr std::string_view Valued[] = {
                "--range",  "--resolution", "--tolerance", "--gain",
                "--offset", "--time-scale", "--columns",   "--interval"};
            if (std::find(std::begin(Valued), std::end(Valued), arg) == std::end(Valued)) {
                std::fprintf(stderr, "qz57: unexpected argument '%s'\n", std::string(arg).c_str());
                return std::nullopt;
            }
            if (i + 1 == args.size()) {
                badOption(arg, "a value");
                return std::nullopt;
            }
            if (!takeOption(arg, args[++i], request))
                return std::nullopt;
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 2)
        return std::nullopt;
    request.pointsPath = paths[0];
    request.outPath = paths[1];
    return request;
}

void report(std::string_view source, const std::string& message) {
    std::fprintf(stderr, "qz57: %s: %s\n", std::string(source).c_str(), message.c_str());
}

} // namespace

int runImport(std::span<const std::string_view> args) {
    const std::optional<ImportRequest> request = importRequest(args);
    if (!request) {
        std::fputs(ImportUsage, stderr);
        return ExitUsage;
    }
    const bool fromInput = request->pointsPath == "-";
    const std::string source =
        fromInput ? "standard input" : pathText(argumentPath(request->pointsPath));
    std::string text;
    const PointReadStatus loaded = fromInput
                                       ? loadPointText(std::cin, text)
                                       : loadPointText(argumentPath(request->pointsPath), text);
    if (loaded != PointReadStatus::Read) {
        report(source, pointReadMessage(loaded, 0, Language::English));
        return ExitFailed;
    }
    const PointReadResult read = readPoints(text, request->read);
    if (!read.ok()) {
        const char* hint = read.status == PointReadStatus::NeedsTimeStep ? " (--interval)" : "";
        report(source, pointReadMessage(read.status, read.line, Language::English) + hint);
        return ExitFailed;
    }

    ImportSettings settings = suggestedSettings(read.points);
    settings.rangeCode = request->range.value_or(read.points.replayRangeCode);
    if (request->resolution)
        settings.resolutionCode = *request->resolution;
    else
        settings.resolutionCode = suggestedResolution(read.points, request->timeScale);
    settings.shape = request->shape.value_or(settings.shape);
    settings.tolerance = request->tolerance;
    settings.gain = request->gain;
    settings.offset = request->offset;
    settings.timeScale = request->timeScale;
    const ImportResult made = importPoints(read.points, settings);
    if (!made.ok()) {
        const bool noRange = made.status == ImportStatus::NoRange;
        report(source, importRefusalMessage(made, Language::English) +
                           (noRange ? ": the file names none, give --range CODE" : ""));
        return noRange ? ExitUsage : ExitFailed;
    }

    const SignalDocument doc =
        madeDocument(settings.rangeCode, settings.resolutionCode, made.elements);
    return saveMade(request->outPath, doc,
                    importSummaryLines(made.summary, doc.rangeCode, Language::English));
}
