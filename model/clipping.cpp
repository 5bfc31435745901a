#include "model/clipping.h"

#include "model/element_spans.h"
#include "model/list_rows.h"
#include "model/number_text.h"
#include "model/tables.h"

#include <cstddef>

bool isClipped(double value, double minimum, double maximum) {
    return value < minimum || value > maximum;
}

double clampToLimits(double value, double minimum, double maximum) {
    if (value < minimum)
        return minimum;
    if (value > maximum)
        return maximum;
    return value;
}

std::vector<ClippedElement> clippedElements(const SignalDocument& doc, const TracePoints& samples) {
    std::vector<ClippedElement> clipped;
    const std::vector<ElementSpan> spans = elementSpans(doc.elements);
    if (spans.empty())
        return clipped;
    const OutputRange& range = outputRange(doc.rangeCode);
    const std::size_t last = spans.size() - 1;
    std::size_t element = 0;
    for (int i = 0; i < samples.pointCount(); ++i) {
        const SamplePoint sample = samples.pointAt(i);
        // Samples come in time order, so the element only moves forward; the last one keeps
        // everything from its start on, the closing point included.
        while (element < last && sample.time >= spans[element].end)
            ++element;
        if (!isClipped(sample.value, range.minimum, range.maximum))
            continue;
        const int index = static_cast<int>(element);
        if (clipped.empty() || clipped.back().element != index)
            clipped.push_back({index, 0, sample.time});
        ++clipped.back().sampleCount;
    }
    return clipped;
}

std::string clippingStatusText(const std::vector<ClippedElement>& clipped, Language language) {
    if (clipped.empty())
        return {};
    std::string numbers;
    long long total = 0;
    for (std::size_t i = 0; i < clipped.size(); ++i) {
        numbers += (i > 0 ? ", " : "") + std::to_string(clipped[i].element + 1);
        total += clipped[i].sampleCount;
    }
    return formatText(TextId::StatusClipped, language, {numbers, groupedThousands(total)});
}

std::string clippingWarningLine(const ClippedElement& clipped) {
    return "warning: element " + std::to_string(clipped.element + 1) + ": " +
           std::to_string(clipped.sampleCount) + " samples outside the range, the first at " +
           startTimeText(clipped.firstTime);
}
