#include "model/edit_history.h"

#include <algorithm>
#include <iterator>

namespace {

using Offset = ElementList::difference_type;

Offset at(std::size_t index) {
    return static_cast<Offset>(index);
}

void replaceRun(ElementList& elements, std::size_t first, const ElementList& from,
                const ElementList& to) {
    const auto begin = elements.begin() + at(first);
    const std::size_t common = std::min(from.size(), to.size());
    std::copy(to.begin(), to.begin() + at(common), begin);
    if (to.size() > common)
        elements.insert(begin + at(common), to.begin() + at(common), to.end());
    else
        elements.erase(begin + at(common), begin + at(from.size()));
}

// Each run passes its neighbour at step: up, the row above goes below the run; down, the row
// below goes above it. The runs' neighbourhoods never overlap, since runs do not touch.
void moveRuns(ElementList& elements, const std::vector<RowRange>& runs, int step, int shift) {
    for (const RowRange& run : runs) {
        const auto begin = elements.begin() + (run.first + shift);
        const auto end = elements.begin() + (run.last + shift);
        if (step < 0)
            std::rotate(begin - 1, begin, end);
        else
            std::rotate(begin, end, end + 1);
    }
}

} // namespace

DocumentChange changeBetween(const SignalDocument& before, const SignalDocument& after) {
    const ElementList& a = before.elements;
    const ElementList& b = after.elements;
    const std::size_t shorter = std::min(a.size(), b.size());
    std::size_t head = 0;
    while (head < shorter && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;

    DocumentChange change;
    change.first = head;
    change.before.assign(a.begin() + at(head), a.end() - at(tail));
    change.after.assign(b.begin() + at(head), b.end() - at(tail));
    change.rangeBefore = before.rangeCode;
    change.rangeAfter = after.rangeCode;
    change.resolutionBefore = before.resolutionCode;
    change.resolutionAfter = after.resolutionCode;
    change.intervalBefore = before.sampleInterval;
    change.intervalAfter = after.sampleInterval;
    return change;
}

std::size_t changedRows(const DocumentChange& change, bool forward) {
    if (change.moveStep != 0)
        return change.movedSpan;
    return forward ? change.after.size() : change.before.size();
}

bool changesNothing(const DocumentChange& change) {
    return change.before == change.after && change.movedRuns.empty() &&
           change.rangeBefore == change.rangeAfter &&
           change.resolutionBefore == change.resolutionAfter &&
           change.intervalBefore == change.intervalAfter && change.fileBefore == change.fileAfter;
}

void applyForward(SignalDocument& doc, const DocumentChange& change) {
    replaceRun(doc.elements, change.first, change.before, change.after);
    moveRuns(doc.elements, change.movedRuns, change.moveStep, 0);
    doc.rangeCode = change.rangeAfter;
    doc.resolutionCode = change.resolutionAfter;
    doc.sampleInterval = change.intervalAfter;
}

void applyBackward(SignalDocument& doc, const DocumentChange& change) {
    // Back: the runs, now one place further, pass the same neighbour the other way.
    moveRuns(doc.elements, change.movedRuns, -change.moveStep, change.moveStep);
    replaceRun(doc.elements, change.first, change.after, change.before);
    doc.rangeCode = change.rangeBefore;
    doc.resolutionCode = change.resolutionBefore;
    doc.sampleInterval = change.intervalBefore;
}

std::size_t heldBytes(const DocumentChange& change) {
    const auto pathBytes = [](const std::optional<FileMark>& mark) {
        return mark ? mark->path.native().capacity() * sizeof(std::filesystem::path::value_type)
                    : 0;
    };
    return sizeof change +
           (change.before.capacity() + change.after.capacity()) * sizeof(SignalElement) +
           change.movedRuns.capacity() * sizeof(RowRange) + pathBytes(change.fileBefore) +
           pathBytes(change.fileAfter);
}

void EditHistory::record(DocumentChange change) {
    for (const DocumentChange& dropped : redo_)
        bytes_ -= heldBytes(dropped);
    redo_.clear();
    change.stateBefore = current_;
    change.stateAfter = ++lastNumber_;
    current_ = change.stateAfter;
    bytes_ += heldBytes(change);
    undo_.push_back(std::move(change));
    trim();
}

const DocumentChange* EditHistory::nextUndo() const {
    return undo_.empty() ? nullptr : &undo_.back();
}

const DocumentChange* EditHistory::nextRedo() const {
    return redo_.empty() ? nullptr : &redo_.back();
}

void EditHistory::stepBack() {
    if (undo_.empty())
        return;
    current_ = undo_.back().stateBefore;
    redo_.push_back(std::move(undo_.back()));
    undo_.pop_back();
}

void EditHistory::stepForward() {
    if (redo_.empty())
        return;
    current_ = redo_.back().stateAfter;
    undo_.push_back(std::move(redo_.back()));
    redo_.pop_back();
}

void EditHistory::trim() {
    while (undo_.size() > 1 && (undo_.size() > HistoryStepLimit || bytes_ > HistoryByteLimit)) {
        bytes_ -= heldBytes(undo_.front());
        undo_.pop_front();
    }
}
