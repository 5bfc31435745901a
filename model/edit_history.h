#pragma once

#include "model/row_selection.h"
#include "model/signal_document.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <vector>

// Which file the document belongs to, and which state of it is on disk.
struct FileMark {
    std::filesystem::path path; // empty: never loaded or saved (untitled)
    std::uint64_t savedState = 0;

    bool operator==(const FileMark&) const = default;
};

// One step of the history: the elements from `first` on that changed (`before` became `after`;
// what lies before and after them stayed) and the document's codes on both sides. A step keeps
// only what it changed, so a one-element edit of a long list costs one element, not the list.
struct DocumentChange {
    std::size_t first = 0;
    ElementList before;
    ElementList after;
    // A move of rows by one place keeps no elements, so moving a long run costs no copies of it:
    // each of `movedRuns` (the rows before the move) passes its neighbour at `moveStep` (-1 up,
    // +1 down), within the rows [first, first + movedSpan).
    std::vector<RowRange> movedRuns;
    int moveStep = 0;
    std::size_t movedSpan = 0;
    int rangeBefore = -1;
    int rangeAfter = -1;
    int resolutionBefore = -1;
    int resolutionAfter = -1;
    double intervalBefore = 0;
    double intervalAfter = 0;
    // A load also changes which file the document belongs to.
    std::optional<FileMark> fileBefore;
    std::optional<FileMark> fileAfter;
    // The document states the step goes between (see EditHistory::currentState).
    std::uint64_t stateBefore = 0;
    std::uint64_t stateAfter = 0;
};

// The smallest change that turns `before` into `after`: their common first and last elements
// are left out.
DocumentChange changeBetween(const SignalDocument& before, const SignalDocument& after);

// The rows a step spans after it was done (forward) or taken back.
std::size_t changedRows(const DocumentChange& change, bool forward);

// Whether the change leaves the document as it was.
bool changesNothing(const DocumentChange& change);

void applyForward(SignalDocument& doc, const DocumentChange& change);
void applyBackward(SignalDocument& doc, const DocumentChange& change);

// Heap bytes a step holds.
std::size_t heldBytes(const DocumentChange& change);

// Undo goes back through the steps, redo forward again; a new step drops what could be redone.
// The history keeps the newest HistoryStepLimit steps within HistoryByteLimit bytes: past either,
// the oldest steps go (the newest step is always kept, however large).
inline constexpr std::size_t HistoryStepLimit = 1000;
inline constexpr std::size_t HistoryByteLimit = 64u << 20;

class EditHistory {
  public:
    // Numbers the step's states and keeps it as the newest.
    void record(DocumentChange change);

    const DocumentChange* nextUndo() const;
    const DocumentChange* nextRedo() const;
    void stepBack();    // after applying nextUndo()
    void stepForward(); // after applying nextRedo()

    // Each state of the document has its own number; the first is 0. A state the history can no
    // longer reach never comes back, so a saved state compares equal only to itself.
    std::uint64_t currentState() const { return current_; }
    std::size_t undoCount() const { return undo_.size(); }
    std::size_t bytes() const { return bytes_; }

  private:
    void trim();

    std::deque<DocumentChange> undo_;  // oldest first
    std::vector<DocumentChange> redo_; // the next to redo last
    std::uint64_t current_ = 0;
    std::uint64_t lastNumber_ = 0;
    std::size_t bytes_ = 0;
};
