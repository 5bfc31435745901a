#include "ui/recovery_start_win.h"

#include "ui/editor_refresh_win.h"
#include "ui/recovery_offer_win.h"

#include <chrono>

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

bool RecoverAtStart(EditorWindow& editor, const wchar_t* commandLine) {
    return StartWithRecovery(editor.window, editor.language, commandLine,
                             [&editor](const RecoveryCopy& copy) { return Restore(editor, copy); });
}
