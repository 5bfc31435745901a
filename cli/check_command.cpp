#include "cli/commands.h"

#include "cli/load_document.h"
#include "cli/user_language.h"
#include "model/clipping.h"
#include "model/list_rows.h"
#include "model/number_text.h"
#include "model/signal_document.h"
#include "model/synthesis.h"
#include "model/tables.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

const char* const CheckUsage = "Usage: qz57 check [--strict] [--lang ja|en] SETTINGS.dat...\n";

namespace {

constexpr std::string_view StrictOption = "--strict";
constexpr std::string_view LanguageOption = "--lang";

// One line per element whose samples the export would hold at the range's limits; returns how
// many lines were printed.
std::size_t printClippingWarnings(const SignalDocument& doc) {
    TracePoints samples;
    rebuildSamples(doc.elements, doc.sampleInterval, samples);
    const std::vector<ClippedElement> clipped = clippedElements(doc, samples);
    for (const ClippedElement& element : clipped)
        std::printf("%s\n", clippingWarningLine(element).c_str());
    return clipped.size();
}

// Validates one settings file and lists it on stdout in the language; with strict, clipped
// samples fail it.
int checkFile(std::string_view path, bool strict, Language language) {
    SignalDocument doc;
    if (!loadDocumentOrReport(path, doc))
        return ExitFailed;

    const OutputRange& range = outputRange(doc.rangeCode);
    const Resolution& res = resolution(doc.resolutionCode);
    std::printf("range: %s (code %d)\n", std::string(text(range.name, language)).c_str(),
                doc.rangeCode);
    std::printf("resolution: %s (code %d)\n", std::string(text(res.name, language)).c_str(),
                doc.resolutionCode);
    std::printf("elements: %zu\n", doc.elements.size());
    for (const ListRow& row : listRows(doc.elements, language))
        std::printf("%4s  %s  %s  %s\n", row.number.c_str(), row.startTime.c_str(),
                    row.typeName.c_str(), row.summary.c_str());
    const double total = totalDuration(doc);
    std::printf("total time: %s s of %s s%s\n", formatFixed(total, 3).c_str(),
                formatGeneral(res.maximumTotalTime).c_str(),
                total > res.maximumTotalTime ? " (over the limit: the editor adds nothing more)"
                                             : "");
    const std::size_t warnings = printClippingWarnings(doc);
    return strict && warnings > 0 ? ExitFailed : ExitOk;
}

// Takes "--lang ja|en" out of the arguments; the user's language when it is not there, none when
// its value is missing or unknown.
std::optional<Language> takeLanguage(std::vector<std::string_view>& args) {
    const auto option = std::find(args.begin(), args.end(), LanguageOption);
    if (option == args.end())
        return userLanguage();
    if (option + 1 == args.end())
        return std::nullopt;
    const std::optional<Language> chosen = languageOfOption(*(option + 1));
    args.erase(option, option + 2);
    return chosen;
}

} // namespace

// Several files are listed one after another, each under its name; a failure of one does not
// stop the others. --strict and --lang may stand anywhere; every other argument is a file.
int runCheck(std::span<const std::string_view> options) {
    std::vector<std::string_view> files(options.begin(), options.end());
    const bool strict = std::erase(files, StrictOption) > 0;
    const std::optional<Language> language = takeLanguage(files);
    const std::span<const std::string_view> args(files);
    if (args.empty() || !language) {
        std::fputs(CheckUsage, stderr);
        return ExitUsage;
    }
    if (args.size() == 1)
        return checkFile(args[0], strict, *language);
    int status = ExitOk;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::printf("%s%s:\n", i == 0 ? "" : "\n", std::string(args[i]).c_str());
        std::fflush(stdout); // the file's failure goes to stderr below its name
        if (checkFile(args[i], strict, *language) != ExitOk)
            status = ExitFailed;
    }
    return status;
}
