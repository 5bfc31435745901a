#include "ui/reference_commands_win.h"

#include "files/reference_file.h"
#include "ui/editor_refresh_win.h"
#include "ui/file_dialogs_win.h"
#include "ui/message_box_win.h"
#include "ui/text_win.h"

void CmdOpenReference(EditorWindow& editor) {
    const Language language = editor.language;
    const std::optional<std::filesystem::path> path =
        AskFileToOpen(editor.window, FileFilter(text(TextId::FilterReferenceFiles, language),
                                                L"*.csv;*.txt;*.pwl;*.dat"));
    if (!path)
        return;
    ReferenceReadResult read = readReferenceFile(*path, PointReadOptions{}, language);
    if (!read.ok) {
        ShowError(editor.window, language, read.message);
        return;
    }
    editor.reference = std::move(read.trace);
    Refresh(editor, ReferencePart);
}

void CmdCloseReference(EditorWindow& editor) {
    editor.reference.reset();
    Refresh(editor, ReferencePart);
}
