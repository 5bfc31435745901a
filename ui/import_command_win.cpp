#include "ui/import_command_win.h"

#include "model/import_step.h"
#include "ui/editor_refresh_win.h"
#include "ui/editor_window_win.h"
#include "ui/import_dialog_win.h"

#include <optional>
#include <system_error>

void CmdImport(EditorWindow& editor, const std::filesystem::path& file,
               const std::string& pastedText) {
    const ImportDialogRequest request{editor.model.document(), file, pastedText, editor.language};
    const std::optional<ImportDialogResult> result = OpenImportDialog(editor.window, request);
    if (!result)
        return;
    ApplyOrRefuse(editor,
                  importElements(editor.model.document(), result->elements, result->rangeCode,
                                 result->resolutionCode, ActiveRow(editor)));
}

bool IsPointFile(const std::filesystem::path& path) {
    const std::wstring extension = path.extension().wstring();
    std::error_code error;
    return (lstrcmpiW(extension.c_str(), L".csv") == 0 ||
            lstrcmpiW(extension.c_str(), L".txt") == 0 ||
            lstrcmpiW(extension.c_str(), L".pwl") == 0) &&
           std::filesystem::is_regular_file(path, error);
}
