#include "model/import_step.h"

#include "model/tables.h"

DocumentStep importElements(const SignalDocument& doc, const ElementList& elements, int rangeCode,
                            int resolutionCode, int row) {
    const bool atEnd = row < 0 || static_cast<std::size_t>(row) == doc.elements.size();
    const bool inList = row >= 0 && static_cast<std::size_t>(row) < doc.elements.size();
    if (elements.empty() || (!atEnd && !inList))
        return unchangedStep(CommandOutcome::Refused, {});
    SignalDocument after{{}, doc.rangeCode, doc.resolutionCode, doc.sampleInterval};
    if (after.rangeCode < 0)
        after.rangeCode = rangeCode;
    if (after.resolutionCode < 0) {
        after.resolutionCode = resolutionCode;
        after.sampleInterval = resolution(resolutionCode).sampleInterval;
    }
    after.elements = doc.elements;
    const int at = atEnd ? static_cast<int>(doc.elements.size()) : row;
    if (!insertElements(after, elements, at))
        return unchangedStep(CommandOutcome::Refused, {});
    DocumentStep step = elementStep(doc, static_cast<std::size_t>(at), {}, elements,
                                    rowSpan(at, static_cast<int>(elements.size())));
    step.change.rangeAfter = after.rangeCode;
    step.change.resolutionAfter = after.resolutionCode;
    step.change.intervalAfter = after.sampleInterval;
    return step;
}
