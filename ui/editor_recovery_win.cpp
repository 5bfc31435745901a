#include "ui/editor_recovery_win.h"

#include "model/texts.h"
#include "ui/editor_window_win.h"

#include <memory>

void StartRecoveryCopies(EditorWindow& editor) {
    editor.recovery = std::make_unique<RecoveryKeeper>(editor.window);
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
