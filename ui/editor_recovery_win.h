// The editor's side of its recovery copy: the main window hands these its messages, the one spot
// where the document changes and the paths that end the window.
#pragma once

#include <windows.h>

struct EditorWindow;

// While the main window is created: the editor starts keeping copies.
void StartRecoveryCopies(EditorWindow& editor);

// The document or its saved state changed: the copy is due again soon, or goes.
void NoteDocumentChanged(EditorWindow& editor);

// The window closes or the program ends by the user's choice: the copy goes with the changes.
void GiveUpRecoveryCopy(EditorWindow& editor);

// WM_TIMER of the copy's timer, and the writer's report of a write.
void OnRecoveryTimer(EditorWindow& editor);
void OnRecoveryWritten(EditorWindow& editor, bool onDisk);

// WM_QUERYENDSESSION: the copy is written before the answer, which always lets Windows go on.
LRESULT OnQueryEndSession(EditorWindow& editor);
