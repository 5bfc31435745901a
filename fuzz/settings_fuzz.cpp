// Every settings file the reader accepts must survive a save: read, write, read again and the
// second write gives the same bytes. Small accepted lists are also synthesized and exported.
#include "files/csv_file.h"
#include "files/settings_file.h"
#include "model/synthesis.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

// Synthesis of the largest lists takes milliseconds; the fuzzer needs thousands of runs a second.
constexpr std::int64_t MaxExportedSamples = 5000;

SettingsReadResult readText(const std::string& text, SignalDocument& doc) {
    std::istringstream in(text);
    return readSettingsText(in, doc);
}

[[noreturn]] void fail(const char* what, const std::string& text) {
    std::fprintf(stderr, "%s\n--- written file ---\n%s\n", what, text.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SignalDocument doc;
    if (!readText(std::string(reinterpret_cast<const char*>(data), size), doc).ok())
        return 0;
    const std::string written = settingsFileText(doc);
    SignalDocument again;
    const SettingsReadResult reread = readText(written, again);
    if (!reread.ok())
        fail(("written file does not read back: line " + std::to_string(reread.line) + ", " +
              expectationText(reread, Language::English))
                 .c_str(),
             written);
    if (settingsFileText(again) != written)
        fail("second write differs from the first", written);
    if (again.rangeCode != doc.rangeCode || again.resolutionCode != doc.resolutionCode ||
        again.elements.size() != doc.elements.size())
        fail("document changed its shape on the way", written);

    if (listSampleCount(doc.elements, doc.sampleInterval) <= MaxExportedSamples) {
        TracePoints trace;
        rebuildSamples(doc.elements, doc.sampleInterval, trace);
        std::string csv;
        csvFileText(trace, doc.rangeCode, doc.resolutionCode, csv);
    }
    return 0;
}
