#pragma once

#include "model/document_step.h"
#include "model/edit_history.h"
#include "model/row_selection.h"
#include "model/signal_document.h"
#include "model/synthesis.h"
#include "model/trace_points.h"

#include <filesystem>
#include <optional>

// The edited signal as the editor holds it: the document, the samples rebuilt from it, the file
// it belongs to and its edit history. Every change a user makes goes through here as one step
// that undo takes back whole.
class EditorModel {
  public:
    const SignalDocument& document() const { return doc_; }

    // The samples of the current document, rebuilt on first use after a change, from the first
    // element that changed: an undo costs only the change itself until the chart or the export
    // asks for the signal, and an edit near the end re-samples only the end.
    const TracePoints& samples() const;

    // The file last loaded or saved; empty until then.
    const std::filesystem::path& filePath() const { return file_.path; }
    // Whether the document differs from what was last loaded or saved (or from the empty start).
    bool modified() const { return history_.currentState() != file_.savedState; }

    bool canUndo() const { return history_.nextUndo() != nullptr; }
    bool canRedo() const { return history_.nextRedo() != nullptr; }
    const EditHistory& history() const { return history_; }

    // Carries out a command's step and records it as one step that undo takes back whole; the
    // one way the document changes besides undo, redo and load. Returns the rows to select
    // afterwards, or none when the command was refused or did nothing. A step that leaves the
    // document as it was records nothing.
    std::optional<RowSelection> apply(DocumentStep step);

    // The whole document read from a file, as one step: undo brings back the previous one, and
    // its file.
    void load(SignalDocument doc, const std::filesystem::path& path);

    // The document is now on disk as path.
    void markSaved(const std::filesystem::path& path);

    // The rows of the step taken back or done again, to select; none when there was nothing to do.
    std::optional<RowSelection> undo();
    std::optional<RowSelection> redo();

  private:
    void record(DocumentChange change);
    // The samples from this element on no longer match the document.
    void samplesChangedFrom(const DocumentChange& change);

    SignalDocument doc_;
    FileMark file_;
    EditHistory history_;
    mutable TracePoints samples_;
    mutable SampleMarks marks_;
    mutable std::size_t staleFrom_ = 0; // the first element whose samples are stale, or Fresh
    static constexpr std::size_t Fresh = static_cast<std::size_t>(-1);
};
