#include "model/signal_document.h"

#include "model/tables.h"

#include <cstddef>
#include <utility>

namespace {

// Durations that are whole multiples of the interval on paper are not in binary, and their
// running sum can pass the maximum by a rounding error: 9,000 elements of 10 ms come to
// 90.000000000009 s. A millionth of an interval is far below any excess a user could make.
double budgetOf(const SignalDocument& doc) {
    const Resolution& chosen = resolution(doc.resolutionCode);
    return chosen.maximumTotalTime + chosen.sampleInterval * 1e-6;
}

std::ptrdiff_t offset(int index) {
    return static_cast<std::ptrdiff_t>(index);
}

bool inList(const SignalDocument& doc, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < doc.elements.size();
}

// A chosen setting that changes while elements exist makes those elements meaningless.
bool changeDiscardsList(const SignalDocument& doc, int currentCode, int newCode) {
    return currentCode != -1 && newCode != currentCode && !doc.elements.empty();
}

} // namespace

double totalDuration(const SignalDocument& doc) {
    double total = 0.0;
    for (const SignalElement& element : doc.elements)
        total = total + element.duration;
    return total;
}

SignalDocument madeDocument(int rangeCode, int resolutionCode, ElementList elements) {
    SignalDocument doc;
    doc.rangeCode = rangeCode;
    doc.resolutionCode = resolutionCode;
    doc.sampleInterval = resolution(resolutionCode).sampleInterval;
    doc.elements = std::move(elements);
    return doc;
}

bool fitsTimeBudget(const SignalDocument& doc, const SignalElement& element, int replacedIndex) {
    const double replaced = inList(doc, replacedIndex)
                                ? doc.elements[static_cast<std::size_t>(replacedIndex)].duration
                                : 0.0;
    return (totalDuration(doc) - replaced) + element.duration <= budgetOf(doc);
}

bool elementsFitTimeBudget(const SignalDocument& doc, const ElementList& elements) {
    double total = totalDuration(doc);
    for (const SignalElement& element : elements)
        total = total + element.duration;
    return total <= budgetOf(doc);
}

bool insertElements(SignalDocument& doc, const ElementList& elements, int index) {
    // Inserting just after the last element is as well defined as before any other.
    const bool atEnd = static_cast<std::size_t>(index) == doc.elements.size();
    if ((!inList(doc, index) && !atEnd) || !elementsFitTimeBudget(doc, elements))
        return false;
    doc.elements.insert(doc.elements.begin() + offset(index), elements.begin(), elements.end());
    return true;
}

void clearElements(SignalDocument& doc) {
    doc.elements.clear();
}

bool rangeChangeNeedsConfirmation(const SignalDocument& doc, int newRangeCode) {
    return changeDiscardsList(doc, doc.rangeCode, newRangeCode);
}

bool resolutionChangeNeedsConfirmation(const SignalDocument& doc, int newResolutionCode) {
    return changeDiscardsList(doc, doc.resolutionCode, newResolutionCode);
}

bool applyRangeChange(SignalDocument& doc, int newRangeCode) {
    const bool discards = changeDiscardsList(doc, doc.rangeCode, newRangeCode);
    if (discards)
        clearElements(doc);
    doc.rangeCode = newRangeCode;
    return discards;
}

bool applyResolutionChange(SignalDocument& doc, int newResolutionCode) {
    const bool discards = changeDiscardsList(doc, doc.resolutionCode, newResolutionCode);
    if (discards)
        clearElements(doc);
    doc.resolutionCode = newResolutionCode;
    doc.sampleInterval = resolution(newResolutionCode).sampleInterval;
    return discards;
}
