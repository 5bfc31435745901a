#include "ui/open_files_win.h"

#include "ui/editor_refresh_win.h"
#include "ui/import_command_win.h"

#include <filesystem>
#include <string>

namespace {

// A point file opens the import dialog; any other file is read as a settings file, after the
// load question when ask.
void OpenFile(EditorWindow& editor, const std::filesystem::path& path, bool ask) {
    if (IsPointFile(path)) {
        CmdImport(editor, path);
        return;
    }
    if (!ask || MayReplaceDocument(editor.window, editor.language, editor.model))
        LoadDocument(editor, ReadSettingsFrom(editor.window, editor.language, path));
}

} // namespace

void LoadDocument(EditorWindow& editor, std::optional<LoadedSettings> loaded) {
    if (!loaded)
        return;
    ChangeDocument(editor, [&loaded](EditorModel& model) {
        model.load(std::move(loaded->document), loaded->path);
        return RowSelection{};
    });
    ReportLoaded(editor.window, editor.language);
}

void OpenDroppedFiles(EditorWindow& editor, HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length, L'\0');
    DragQueryFileW(drop, 0, path.data(), length + 1);
    DragFinish(drop);
    if (length > 0)
        OpenFile(editor, std::filesystem::path(path), true);
}

void OpenCommandLineFile(EditorWindow& editor, const wchar_t* commandLine,
                         bool askBeforeReplacing) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(commandLine, &count);
    if (arguments == nullptr)
        return;
    const std::filesystem::path path = count > 1 ? arguments[1] : L"";
    LocalFree(arguments);
    if (lstrcmpiW(path.extension().c_str(), L".dat") == 0 || IsPointFile(path))
        OpenFile(editor, path, askBeforeReplacing);
}
