#include "ui/export_command_win.h"

#include "files/csv_file.h"
#include "ui/file_dialogs_win.h"
#include "ui/message_box_win.h"
#include "ui/text_win.h"

void CmdExportCsv(HWND owner, Language language, const EditorModel& editor) {
    // Refusals come before the dialog, so the user is not asked for a name to no purpose.
    std::string csv;
    const SignalDocument& doc = editor.document();
    const CsvWriteResult check =
        csvFileText(editor.samples(), doc.rangeCode, doc.resolutionCode, csv);
    if (!check.ok()) {
        ShowError(owner, language, csvWriteMessage(check.status, language));
        return;
    }
    const std::optional<std::filesystem::path> path =
        AskFileToSave(owner, FileFilter(text(TextId::FilterCsvFiles, language), L"*.csv"), L"csv",
                      L"00000000.csv");
    if (!path) {
        return;
    }
    const CsvWriteResult result = writeCsvText(*path, csv);
    if (result.ok()) {
        ShowMessage(owner, csvWriteMessage(result.status, language),
                    text(TextId::TitleWritten, language), MB_OK);
    } else {
        ShowError(owner, language, csvWriteMessage(result.status, language));
    }
}
