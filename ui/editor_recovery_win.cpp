#include "ui/editor_recovery_win.h"

#include "model/texts.h"
#include "ui/editor_refresh_win.h"
#include "ui/editor_window_win.h"
#include "ui/recovery_offer_win.h"

#include <chrono>
#include <memory>

namespace {

// At the start the restored document's own copy must be on disk before the old one goes; the
// wait is that of one write.
constexpr std::chrono::seconds RestorePatience{5};

bool Restore(EditorWindow& editor, const RecoveryCopy& copy) {
    ChangeDocument(editor, [&copy](EditorModel& model) {
        model.restore(copy.document, copy.everSaved ? copy.file : std::filesystem::path());
        return RowSelection{};
    });
    return editor.recovery->writeNow(editor.model, RestorePatience);
}

} // namespace

void StartRecoveryCopies(EditorWindow& editor) {
    editor.recovery = std::make_unique<RecoveryKeeper>(editor.window);
}

bool RecoverAtStart(EditorWindow& editor, const wchar_t* commandLine) {
    return StartWithRecovery(editor.window, editor.language, commandLine,
                             [&editor](const RecoveryCopy& copy) { return Restore(editor, copy); });
}

void NoteDocumentChanged(EditorWindow& editor) {
    if (editor.recovery)
        editor.recovery->changed(editor.model);
}

void GiveUpRecoveryCopy(EditorWindow& editor) {
    if (editor.recovery)
        editor.recovery->discard();
}

void OnRecoveryTimer(EditorWindow& editor) {
    editor.recovery->timerFired(editor.model);
}

void OnRecoveryWritten(EditorWindow& editor, bool onDisk) {
    // Said once: the note stays until the chart's readout takes its place.
    if (editor.recovery->written(onDisk))
        editor.controls.statusBar.setText(StatusPart::Readout,
                                          text(TextId::StatusRecoveryUnavailable, editor.language));
}

LRESULT OnQueryEndSession(EditorWindow& editor) {
    editor.recovery->writeNow(editor.model, SessionEndPatience);
    return TRUE;
}
