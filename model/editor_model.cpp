#include "model/editor_model.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

RowSelection rowsOf(const DocumentChange& change, bool forward) {
    return rowSpan(static_cast<int>(change.first), static_cast<int>(changedRows(change, forward)));
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

std::optional<RowSelection> EditorModel::apply(DocumentStep step) {
    if (step.outcome != CommandOutcome::Changed)
        return std::nullopt;
    // A row moved past an equal one leaves the same document: no step, but the rows move.
    if (!changesNothing(step.change))
        record(std::move(step.change));
    return std::move(step.selection);
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

void EditorModel::record(DocumentChange change) {
    applyForward(doc_, change);
    samplesChangedFrom(change);
    history_.record(std::move(change));
}

std::optional<RowSelection> EditorModel::undo() {
    const DocumentChange* step = history_.nextUndo();
    if (step == nullptr)
        return std::nullopt;
    applyBackward(doc_, *step);
    samplesChangedFrom(*step);
    if (step->fileBefore)
        file_ = *step->fileBefore;
    RowSelection rows = rowsOf(*step, false);
    history_.stepBack();
    return rows;
}

std::optional<RowSelection> EditorModel::redo() {
    const DocumentChange* step = history_.nextRedo();
    if (step == nullptr)
        return std::nullopt;
    applyForward(doc_, *step);
    samplesChangedFrom(*step);
    if (step->fileAfter)
        file_ = {step->fileAfter->path, step->stateAfter};
    RowSelection rows = rowsOf(*step, true);
    history_.stepForward();
    return rows;
}
