#include "cli/commands.h"

#include "cli/load_document.h"
#include "files/csv_file.h"
#include "model/number_text.h"
#include "model/synthesis.h"
#include "model/trace_points.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* ExportUsage = "Usage: qz57 export SETTINGS.dat OUT.csv\n";

void reportRefusal(const CsvWriteResult& result, const TracePoints& trace) {
    const std::string message(csvWriteMessage(result.status));
    if (result.pointIndex < 0) {
        std::fprintf(stderr, "qz57: %s\n", message.c_str());
        return;
    }
    const SamplePoint point = trace.pointAt(result.pointIndex);
    std::fprintf(stderr, "qz57: %s (point %d: time %s s, value %s)\n", message.c_str(),
                 result.pointIndex + 1, formatGeneral(point.time).c_str(),
                 formatGeneral(point.value).c_str());
}

} // namespace

int runExport(std::span<const std::string_view> args) {
    if (args.size() != 2) {
        std::fputs(ExportUsage, stderr);
        return ExitUsage;
    }
    SignalDocument doc;
    if (!loadDocumentOrReport(args[0], doc))
        return ExitFailed;
    TracePoints trace;
    rebuildSamples(doc.elements, doc.sampleInterval, trace);
    const std::filesystem::path out = argumentPath(args[1]);
    const CsvWriteResult result = WriteCsvFile(out, trace, doc.rangeCode, doc.resolutionCode);
    switch (result.status) {
    case CsvWriteStatus::Written:
        return ExitOk;
    case CsvWriteStatus::CannotOpen:
    case CsvWriteStatus::WriteFailed:
        std::fprintf(stderr, "qz57: %s: %s\n", pathText(out).c_str(),
                     std::string(csvWriteMessage(result.status)).c_str());
        return ExitFailed;
    case CsvWriteStatus::TooFewPoints:
    case CsvWriteStatus::UnknownCode:
    case CsvWriteStatus::NonFiniteValue:
    case CsvWriteStatus::BadTime:
        break;
    }
    reportRefusal(result, trace);
    return ExitFailed;
}
