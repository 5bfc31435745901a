#include "ui/editor_window_win.h"

EditorWindow::~EditorWindow() {
    if (window != nullptr)
        DestroyWindow(window);
}

int ActiveRow(const EditorWindow& editor) {
    const int row = firstRow(editor.selection);
    return row < static_cast<int>(editor.model.document().elements.size()) ? row : -1;
}
