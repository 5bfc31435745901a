#include "model/list_rows.h"

#include "model/catalogue.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

// About 31,700 years: far past any resolution's budget, still exact in a double and an int64.
constexpr double LargestShownMilliseconds = 1e15;

ListRow makeRow(const SignalElement& element, std::size_t index, double start, Language language) {
    return {std::to_string(index + 1), std::string(displayNameOf(element.type, language)),
            startTimeText(start), summaryText(element, language)};
}

} // namespace

std::string startTimeText(double seconds) {
    // Durations are whole multiples of at least a millisecond, but their running sum picks up
    // binary fractions (0.7 + 0.1 is 0.79999…); rounding keeps the column at what was entered.
    double milliseconds = std::round(seconds * 1000.0);
    if (!(milliseconds > 0.0))
        milliseconds = 0.0;
    if (milliseconds > LargestShownMilliseconds)
        milliseconds = LargestShownMilliseconds;
    const auto total = static_cast<std::int64_t>(milliseconds);
    const auto minutes = static_cast<long long>(total / 60000);
    const auto wholeSeconds = static_cast<int>(total / 1000 % 60);
    const auto fraction = static_cast<int>(total % 1000);
    char text[64];
    std::snprintf(text, sizeof text, "%02lld:%02d.%03d", minutes, wholeSeconds, fraction);
    return text;
}

std::vector<ListRow> listRows(const ElementList& elements, Language language) {
    const std::vector<ElementSpan> spans = elementSpans(elements);
    std::vector<ListRow> rows;
    rows.reserve(elements.size());
    for (std::size_t i = 0; i < elements.size(); ++i)
        rows.push_back(makeRow(elements[i], i, spans[i].start, language));
    return rows;
}

std::optional<ListRow> listRowAt(const ElementList& elements, const std::vector<ElementSpan>& spans,
                                 int row, Language language) {
    const auto index = static_cast<std::size_t>(row);
    if (row < 0 || index >= elements.size() || index >= spans.size())
        return std::nullopt;
    return makeRow(elements[index], index, spans[index].start, language);
}

std::optional<SignalElement> elementAtRow(const ElementList& elements, int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= elements.size())
        return std::nullopt;
    return elements[static_cast<std::size_t>(row)];
}

EditButtons editButtonStates(const SignalDocument& doc, int selectedRow) {
    if (doc.rangeCode == -1 || doc.resolutionCode == -1)
        return {};
    const bool onRow = !doc.elements.empty() && selectedRow != -1;
    return {true, onRow, onRow, onRow};
}
