#include "files/import_form.h"

#include "files/import_messages.h"
#include "model/number_text.h"
#include "model/tables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

struct Field {
    const std::string& text;
    TextId label;
    double* value;
};

std::vector<std::string> columnChoices(const PointReadResult& read, Language language);

} // namespace

std::optional<double> fieldNumber(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::vector<double>> fieldNumbers(std::string_view text) {
    std::vector<double> values;
    for (;;) {
        const std::size_t comma = text.find(',');
        const std::optional<double> value = fieldNumber(text.substr(0, comma));
        if (!value)
            return std::nullopt;
        values.push_back(*value);
        if (comma == std::string_view::npos)
            return values;
        text.remove_prefix(comma + 1);
    }
}

bool isPointColumns(std::string_view text) {
    const PointReadResult read = readPoints(text);
    return read.ok() && read.columnCount >= 2;
}

ImportForm startImportForm(std::string text, const SignalDocument& doc) {
    ImportForm form;
    form.text = std::move(text);
    const PointReadResult read = readPoints(form.text);
    form.shape = read.points.isReplay() ? ImportShape::Step : ImportShape::Linear;
    form.offersCodes = doc.rangeCode < 0 || doc.resolutionCode < 0;
    form.rangeCode = doc.rangeCode;
    form.resolutionCode = doc.resolutionCode;
    if (form.offersCodes) {
        const ImportSettings suggested = suggestedSettings(read.points);
        form.rangeCode = suggested.rangeCode;
        form.resolutionCode = suggested.resolutionCode;
    }
    form.usedTime = totalDuration(doc);
    return form;
}

ImportPreview previewImport(const ImportForm& form, Language language, ImportPreview earlier) {
    ImportPreview preview;
    ImportSettings settings;
    settings.rangeCode = form.rangeCode;
    settings.resolutionCode = form.resolutionCode;
    settings.shape = form.shape;
    const std::string unit(outputRange(form.rangeCode).unitLabel);
    const Field fields[] = {
        {form.tolerance, TextId::ImportTolerance, &settings.tolerance},
        {form.gain, TextId::ImportGain, &settings.gain},
        {form.offset, TextId::ImportOffset, &settings.offset},
        {form.timeScale, TextId::ImportTimeScale, &settings.timeScale},
    };
    std::vector<std::string> fieldErrors;
    for (const Field& field : fields) {
        const std::optional<double> value = fieldNumber(field.text);
        if (value)
            *field.value = *value;
        else
            fieldErrors.push_back(formatText(TextId::ImportFieldNotNumber, language,
                                             {formatText(field.label, language, {unit})}));
    }
    PointReadOptions options;
    options.timeColumn = form.timeColumn;
    options.valueColumn = form.valueColumn;
    if (form.timeColumn == NoTimeColumn && !trimmed(form.timeStep).empty()) {
        const std::optional<double> step = fieldNumber(form.timeStep);
        if (step)
            options.timeStep = *step;
        else
            fieldErrors.push_back(formatText(TextId::ImportFieldNotNumber, language,
                                             {text(TextId::ImportTimeStep, language)}));
    }

    if (earlier.readWith == options) {
        preview.read = std::move(earlier.read);
        preview.columns = std::move(earlier.columns);
    } else {
        preview.read = readPoints(form.text, options);
        preview.columns =
            columnChoices(preview.read.ok() ? preview.read : readPoints(form.text), language);
    }
    preview.readWith = options;
    if (!fieldErrors.empty()) {
        preview.lines = std::move(fieldErrors);
        return preview;
    }
    if (!preview.read.ok()) {
        preview.lines = {pointReadMessage(preview.read.status, preview.read.line, language)};
        return preview;
    }
    preview.made = importPoints(preview.read.points, settings);
    if (!preview.made.ok()) {
        preview.lines = {importRefusalMessage(preview.made, language)};
        return preview;
    }
    preview.lines = importSummaryLines(preview.made.summary, form.rangeCode, language);
    preview.ok = fitsTheTimeLeft(preview.made.summary, form.usedTime, form.resolutionCode, language,
                                 preview.lines);
    return preview;
}

std::string summaryText(const std::vector<std::string>& lines, bool offersCodes, int rangeCode,
                        int resolutionCode, Language language) {
    std::string summary;
    if (!offersCodes)
        summary = formatText(TextId::ImportDocumentCodes, language,
                             {text(outputRange(rangeCode).name, language),
                              text(resolution(resolutionCode).name, language)}) +
                  "\r\n";
    for (const std::string& line : lines)
        summary += line + "\r\n";
    return summary;
}

bool fitsTheTimeLeft(const ImportSummary& summary, double usedTime, int resolutionCode,
                     Language language, std::vector<std::string>& lines) {
    const double room = resolution(resolutionCode).maximumTotalTime - usedTime;
    // A millionth of an interval leaves room for the running sum of the durations.
    const double slack = 1e-6 * resolution(resolutionCode).sampleInterval;
    if (summary.duration <= room + slack)
        return true;
    lines.push_back(
        formatText(TextId::ImportNoRoom, language,
                   {formatFixed(summary.duration, 3), formatFixed(std::max(room, 0.0), 3)}));
    return false;
}

namespace {

std::vector<std::string> columnChoices(const PointReadResult& read, Language language) {
    std::vector<std::string> choices;
    for (int column = 0; column < read.columnCount; ++column) {
        const std::string number = std::to_string(column + 1);
        const auto index = static_cast<std::size_t>(column);
        const bool named = index < read.columnNames.size() && !read.columnNames[index].empty();
        choices.push_back(named ? formatText(TextId::ImportNamedColumn, language,
                                             {number, read.columnNames[index]})
                                : formatText(TextId::ImportColumn, language, {number}));
    }
    return choices;
}

} // namespace
