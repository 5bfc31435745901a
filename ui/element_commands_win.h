#pragma once

#include <windows.h>

struct EditorWindow;

// The commands on the selected elements: 切り取り, コピー, 貼り付け, 複製, 上へ移動, 下へ移動 and
// すべて選択, from the 編集 menu, the list's right-click menu and their keys. Each change is one
// undoable step; the rows it pasted, duplicated or moved are selected afterwards.

// True when id is one of these commands; then it was carried out.
bool RunElementCommand(EditorWindow& editor, int id);

// Shows the right-click menu of the element list at a screen point.
void ShowListMenu(EditorWindow& editor, POINT at);
