#include "model/document_step.h"

#include <utility>

namespace {

bool inList(const SignalDocument& doc, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < doc.elements.size();
}

SignalElement elementAt(const SignalDocument& doc, int row) {
    return doc.elements[static_cast<std::size_t>(row)];
}

// The codes and the list as a change applied by changeCode would leave them; the elements are
// moved into the step only when the change discards them.
template <typename Apply, typename Discards>
DocumentStep codeStep(const SignalDocument& doc, int code, Apply apply, Discards discards) {
    SignalDocument after{{}, doc.rangeCode, doc.resolutionCode, doc.sampleInterval};
    apply(after, code);
    DocumentChange change;
    if (discards(doc, code))
        change.before = doc.elements;
    change.rangeBefore = doc.rangeCode;
    change.rangeAfter = after.rangeCode;
    change.resolutionBefore = doc.resolutionCode;
    change.resolutionAfter = after.resolutionCode;
    change.intervalBefore = doc.sampleInterval;
    change.intervalAfter = after.sampleInterval;
    if (changesNothing(change))
        return unchangedStep(CommandOutcome::NoChange, {});
    return {CommandOutcome::Changed, std::move(change), {}};
}

} // namespace

DocumentStep elementStep(const SignalDocument& doc, std::size_t first, ElementList before,
                         ElementList after, RowSelection selection) {
    DocumentStep step{CommandOutcome::Changed, {}, std::move(selection)};
    DocumentChange& change = step.change;
    change.first = first;
    change.before = std::move(before);
    change.after = std::move(after);
    change.rangeBefore = change.rangeAfter = doc.rangeCode;
    change.resolutionBefore = change.resolutionAfter = doc.resolutionCode;
    change.intervalBefore = change.intervalAfter = doc.sampleInterval;
    return step;
}

DocumentStep unchangedStep(CommandOutcome outcome, RowSelection selection) {
    return {outcome, {}, std::move(selection)};
}

DocumentStep appendElement(const SignalDocument& doc, const SignalElement& element) {
    return insertElement(doc, element, static_cast<int>(doc.elements.size()));
}

DocumentStep insertElement(const SignalDocument& doc, const SignalElement& element, int row) {
    const bool atEnd = static_cast<std::size_t>(row) == doc.elements.size();
    if ((!inList(doc, row) && !atEnd) || !fitsTimeBudget(doc, element))
        return unchangedStep(CommandOutcome::Refused, {});
    return elementStep(doc, static_cast<std::size_t>(row), {}, {element}, {});
}

DocumentStep replaceElement(const SignalDocument& doc, const SignalElement& element, int row) {
    if (!inList(doc, row) || !fitsTimeBudget(doc, element, row))
        return unchangedStep(CommandOutcome::Refused, {});
    if (elementAt(doc, row) == element)
        return unchangedStep(CommandOutcome::NoChange, {});
    return elementStep(doc, static_cast<std::size_t>(row), {elementAt(doc, row)}, {element}, {});
}

DocumentStep deleteElement(const SignalDocument& doc, int row) {
    if (!inList(doc, row))
        return unchangedStep(CommandOutcome::Refused, {});
    return elementStep(doc, static_cast<std::size_t>(row), {elementAt(doc, row)}, {}, {});
}

DocumentStep changeRange(const SignalDocument& doc, int rangeCode) {
    return codeStep(doc, rangeCode, applyRangeChange, rangeChangeNeedsConfirmation);
}

DocumentStep changeResolution(const SignalDocument& doc, int resolutionCode) {
    return codeStep(doc, resolutionCode, applyResolutionChange, resolutionChangeNeedsConfirmation);
}

void applyStep(SignalDocument& doc, const DocumentStep& step) {
    if (step.outcome == CommandOutcome::Changed)
        applyForward(doc, step.change);
}
