#pragma once

struct EditorWindow;

// The main window's buttons and selection lists: the parameter dialog for 末尾に追加, 挿入 and
// 編集, 削除, and a new output range or resolution with the question before it discards the list.
// Each change is one undoable step through the one spot where the document changes.

void OnAppendButton(EditorWindow& editor);
void OnInsertButton(EditorWindow& editor);
void OnEditButton(EditorWindow& editor);
void OnDeleteButton(EditorWindow& editor);

void OnOutputRangeChosen(EditorWindow& editor);
void OnResolutionChosen(EditorWindow& editor);
void OnDisplayPeriodChosen(EditorWindow& editor);
