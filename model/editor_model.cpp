#include "model/editor_model.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

RowSpan rowsOf(const DocumentChange& change, const ElementList& shown) {
    return {static_cast<int>(change.first), static_cast<int>(shown.size())};
}

// A step that replaces the elements from first on and keeps the codes: made without copying the
// document, so that a one-element edit of a long list costs one element.
DocumentChange elementChange(const SignalDocument& doc, int first, ElementList before,
                             ElementList after) {
    DocumentChange change;
    change.first = static_cast<std::size_t>(first);
    change.before = std::move(before);
    change.after = std::move(after);
    change.rangeBefore = change.rangeAfter = doc.rangeCode;
    change.resolutionBefore = change.resolutionAfter = doc.resolutionCode;
    change.intervalBefore = change.intervalAfter = doc.sampleInterval;
    return change;
}

bool inList(const SignalDocument& doc, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < doc.elements.size();
}

} // namespace

const TracePoints& EditorModel::samples() const {
    if (staleFrom_ != Fresh) {
        rebuildSamplesFrom(doc_.elements, doc_.sampleInterval, samples_, marks_, staleFrom_);
        staleFrom_ = Fresh;
    }
    return samples_;
}

void EditorModel::samplesChangedFrom(const DocumentChange& change) {
    // Another sample interval moves every sample.
    const std::size_t from = change.intervalBefore != change.intervalAfter ? 0 : change.first;
    staleFrom_ = staleFrom_ == Fresh ? from : std::min(staleFrom_, from);
}

bool EditorModel::appendElement(const SignalElement& element) {
    return insertElement(element, static_cast<int>(doc_.elements.size()));
}

bool EditorModel::insertElement(const SignalElement& element, int index) {
    const bool atEnd = static_cast<std::size_t>(index) == doc_.elements.size();
    if ((!inList(doc_, index) && !atEnd) || !fitsTimeBudget(doc_, element))
        return false;
    record(elementChange(doc_, index, {}, {element}));
    return true;
}

bool EditorModel::replaceElement(const SignalElement& element, int index) {
    if (!inList(doc_, index) || !fitsTimeBudget(doc_, element, index))
        return false;
    const SignalElement& old = doc_.elements[static_cast<std::size_t>(index)];
    if (old == element)
        return false;
    record(elementChange(doc_, index, {old}, {element}));
    return true;
}

bool EditorModel::deleteElement(int index) {
    if (!inList(doc_, index))
        return false;
    record(elementChange(doc_, index, {doc_.elements[static_cast<std::size_t>(index)]}, {}));
    return true;
}

bool EditorModel::changeRange(int rangeCode) {
    return edit([&](SignalDocument& doc) {
        applyRangeChange(doc, rangeCode);
        return true;
    });
}

bool EditorModel::changeResolution(int resolutionCode) {
    return edit([&](SignalDocument& doc) {
        applyResolutionChange(doc, resolutionCode);
        return true;
    });
}

void EditorModel::load(SignalDocument doc, const std::filesystem::path& path) {
    DocumentChange change = changeBetween(doc_, doc);
    change.fileBefore = file_;
    // The loaded document is what the file holds: the state this step leads to is the saved one.
    change.fileAfter = FileMark{path, 0};
    record(std::move(change));
    file_ = {path, history_.currentState()};
}

void EditorModel::restore(SignalDocument doc, const std::filesystem::path& path) {
    *this = EditorModel{};
    doc_ = std::move(doc);
    // No state of the new history ever takes this number, so the document stays modified until
    // it is saved.
    file_ = {path, std::numeric_limits<std::uint64_t>::max()};
    staleFrom_ = 0;
}

void EditorModel::markSaved(const std::filesystem::path& path) {
    file_ = {path, history_.currentState()};
}

bool EditorModel::edit(const std::function<bool(SignalDocument&)>& change) {
    SignalDocument changed = doc_;
    if (!change(changed))
        return false;
    DocumentChange step = changeBetween(doc_, changed);
    if (changesNothing(step))
        return false;
    record(std::move(step));
    return true;
}

void EditorModel::record(DocumentChange change) {
    applyForward(doc_, change);
    samplesChangedFrom(change);
    history_.record(std::move(change));
}

std::optional<RowSpan> EditorModel::undo() {
    const DocumentChange* step = history_.nextUndo();
    if (step == nullptr)
        return std::nullopt;
    applyBackward(doc_, *step);
    samplesChangedFrom(*step);
    if (step->fileBefore)
        file_ = *step->fileBefore;
    const RowSpan rows = rowsOf(*step, step->before);
    history_.stepBack();
    return rows;
}

std::optional<RowSpan> EditorModel::redo() {
    const DocumentChange* step = history_.nextRedo();
    if (step == nullptr)
        return std::nullopt;
    applyForward(doc_, *step);
    samplesChangedFrom(*step);
    if (step->fileAfter)
        file_ = {step->fileAfter->path, step->stateAfter};
    const RowSpan rows = rowsOf(*step, step->after);
    history_.stepForward();
    return rows;
}
