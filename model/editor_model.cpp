#include "model/editor_model.h"

#include <algorithm>
#include <utility>

namespace {

RowSpan rowsOf(const DocumentChange& change, const ElementList& shown) {
    return {static_cast<int>(change.first), static_cast<int>(shown.size())};
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
    return edit([&](SignalDocument& doc) { return ::appendElement(doc, element); });
}

bool EditorModel::insertElement(const SignalElement& element, int index) {
    return edit([&](SignalDocument& doc) { return ::insertElement(doc, element, index); });
}

bool EditorModel::replaceElement(const SignalElement& element, int index) {
    return edit([&](SignalDocument& doc) { return ::replaceElement(doc, element, index); });
}

bool EditorModel::deleteElement(int index) {
    return edit([&](SignalDocument& doc) {
        const std::size_t before = doc.elements.size();
        ::deleteElement(doc, index);
        return doc.elements.size() != before;
    });
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
