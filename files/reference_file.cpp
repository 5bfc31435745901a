#include "files/reference_file.h"

#include "files/import_messages.h"
#include "files/settings_file.h"
#include "model/synthesis.h"

#include <sstream>
#include <utility>

namespace {

ReferenceReadResult refused(std::string message) {
    ReferenceReadResult result;
    result.message = std::move(message);
    return result;
}

ReferenceReadResult readSettingsReference(std::string_view content, Language language) {
    std::istringstream in{std::string(content)};
    SignalDocument doc;
    const SettingsReadResult read = readSettingsText(in, doc);
    if (!read.ok())
        return refused(std::string(text(TextId::SettingsInvalid, language)) + " " +
                       problemAtLineText(read, language));
    TracePoints samples;
    rebuildSamples(doc.elements, doc.sampleInterval, samples);
    ReferenceReadResult result;
    result.ok = true;
    result.settings = true;
    result.trace = exportedTrace(doc, samples);
    return result;
}

} // namespace

ReferenceReadResult readReferenceText(std::string_view text, const PointReadOptions& options,
                                      Language language) {
    if (text.starts_with(SettingsFileHeader))
        return readSettingsReference(text, language);
    const PointReadResult read = readPoints(text, options);
    if (!read.ok())
        return refused(pointReadMessage(read.status, read.line, language));
    ReferenceReadResult result;
    result.ok = true;
    result.trace = referenceOfPoints(read.points);
    return result;
}

ReferenceReadResult readReferenceFile(const std::filesystem::path& path,
                                      const PointReadOptions& options, Language language) {
    std::string text;
    const PointReadStatus loaded = loadPointText(path, text);
    if (loaded != PointReadStatus::Read)
        return refused(pointReadMessage(loaded, 0, language));
    return readReferenceText(text, options, language);
}
