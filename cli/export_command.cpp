#include "cli/commands.h"

#include "cli/load_document.h"
#include "files/csv_file.h"
#include "model/number_text.h"
#include "model/synthesis.h"
#include "model/trace_points.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

const char* const ExportUsage = "Usage: qz57 export SETTINGS.dat OUT.csv\n"
                                "       qz57 export SETTINGS.dat... --out-dir DIR\n";

namespace {

struct ExportEach {
    std::vector<std::string_view> settingsPaths;
    std::string_view folder;
};

void reportRefusal(std::string_view settingsPath, const CsvWriteResult& result,
                   const TracePoints& trace) {
    const std::string source = pathText(argumentPath(settingsPath));
    const std::string message(csvWriteMessage(result.status, Language::English));
    if (result.pointIndex < 0) {
        std::fprintf(stderr, "qz57: %s: %s\n", source.c_str(), message.c_str());
        return;
    }
    const SamplePoint point = trace.pointAt(result.pointIndex);
    std::fprintf(stderr, "qz57: %s: %s (point %d: time %s s, value %s)\n", source.c_str(),
                 message.c_str(), result.pointIndex + 1, formatGeneral(point.time).c_str(),
                 formatGeneral(point.value).c_str());
}

// Writes the replay file of one settings file; on failure prints one line to stderr.
bool exportFile(std::string_view settingsPath, const fs::path& out) {
    SignalDocument doc;
    if (!loadDocumentOrReport(settingsPath, doc))
        return false;
    TracePoints trace;
    rebuildSamples(doc.elements, doc.sampleInterval, trace);
    const CsvWriteResult result = WriteCsvFile(out, trace, doc.rangeCode, doc.resolutionCode);
    switch (result.status) {
    case CsvWriteStatus::Written:
        return true;
    case CsvWriteStatus::CannotOpen:
    case CsvWriteStatus::WriteFailed:
        std::fprintf(stderr, "qz57: %s: %s%s\n", pathText(out).c_str(),
                     std::string(csvWriteMessage(result.status, Language::English)).c_str(),
                     readOnlyNote(out).c_str());
        return false;
    case CsvWriteStatus::TooFewPoints:
    case CsvWriteStatus::UnknownCode:
    case CsvWriteStatus::NonFiniteValue:
    case CsvWriteStatus::BadTime:
        break;
    }
    reportRefusal(settingsPath, result, trace);
    return false;
}

// "SETTINGS.dat... --out-dir DIR", the option anywhere after the command.
std::optional<ExportEach> exportEachRequest(std::span<const std::string_view> args) {
    ExportEach request;
    bool folderGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--out-dir") {
            if (args[i].starts_with("--")) {
                std::fprintf(stderr, "qz57: unexpected argument '%s'\n",
                             std::string(args[i]).c_str());
                return std::nullopt;
            }
            request.settingsPaths.push_back(args[i]);
        } else if (folderGiven || i + 1 == args.size()) {
            std::fputs("qz57: --out-dir needs one folder\n", stderr);
            return std::nullopt;
        } else {
            request.folder = args[++i];
            folderGiven = true;
        }
    }
    if (request.settingsPaths.empty())
        return std::nullopt;
    return request;
}

// Replay files end up on FAT-formatted cards and Windows folders, where names that differ only
// in case name one file.
std::string caseFolded(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// Each settings file's replay file goes into the folder under the file's own name with ".csv";
// a failure of one does not stop the others. The folder must exist: a mistyped name should not
// quietly make a new folder.
int exportEach(const ExportEach& request) {
    const fs::path folder = argumentPath(request.folder);
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        std::fprintf(stderr, "qz57: %s: %s\n", pathText(folder).c_str(),
                     fs::exists(folder, error) ? "not a folder"
                                               : "no such folder (qz57 does not create it)");
        return ExitFailed;
    }
    // The first settings file of a name owns its output: a later one would overwrite it.
    std::map<std::string, std::string_view> owners;
    bool allWritten = true;
    for (const std::string_view settingsPath : request.settingsPaths) {
        const fs::path name = argumentPath(settingsPath).stem() += ".csv";
        const auto [owner, isFirst] = owners.try_emplace(caseFolded(pathText(name)), settingsPath);
        if (!isFirst) {
            std::fprintf(stderr, "qz57: %s: not exported: %s is already the output of %s\n",
                         pathText(argumentPath(settingsPath)).c_str(), pathText(name).c_str(),
                         pathText(argumentPath(owner->second)).c_str());
            allWritten = false;
            continue;
        }
        allWritten = exportFile(settingsPath, folder / name) && allWritten;
    }
    return allWritten ? ExitOk : ExitFailed;
}

} // namespace

int runExport(std::span<const std::string_view> args) {
    if (std::find(args.begin(), args.end(), "--out-dir") != args.end()) {
        const std::optional<ExportEach> request = exportEachRequest(args);
        if (!request) {
            std::fputs(ExportUsage, stderr);
            return ExitUsage;
        }
        return exportEach(*request);
    }
    if (args.size() != 2) {
        std::fputs(ExportUsage, stderr);
        return ExitUsage;
    }
    return exportFile(args[0], argumentPath(args[1])) ? ExitOk : ExitFailed;
}
