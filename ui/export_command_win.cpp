#include "ui/export_command_win.h"

#include "files/csv_file.h"
#include "ui/message_box_win.h"

#include <commdlg.h>

#include <string>

namespace {

// Room for long paths: the name comes back in this buffer.
constexpr DWORD PathBufferSize = 32768;

// The user's choice of file, or an empty text when the dialog was cancelled or failed.
std::wstring AskExportPath(HWND owner) {
    std::wstring buffer(PathBufferSize, L'\0');
    buffer.replace(0, 12, L"00000000.csv");
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"CSV files(*.csv)\0*.csv\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = PathBufferSize;
    // Without the dot: the dialog adds its own.
    dialog.lpstrDefExt = L"csv";
    // Not OFN_FILEMUSTEXIST: that is for opening and would refuse a new file name.
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR;
    if (!GetSaveFileNameW(&dialog)) {
        return {};
    }
    buffer.resize(buffer.find(L'\0'));
    return buffer;
}

} // namespace

void CmdExportCsv(HWND owner, const EditorModel& editor, Language language) {
    // Refusals come before the dialog, so the user is not asked for a name to no purpose.
    std::string text;
    const SignalDocument& doc = editor.document();
    const CsvWriteResult check =
        csvFileText(editor.samples(), doc.rangeCode, doc.resolutionCode, text);
    if (!check.ok()) {
        ShowError(owner, csvWriteMessage(check.status, language));
        return;
    }
    const std::wstring path = AskExportPath(owner);
    if (path.empty()) {
        return;
    }
    const CsvWriteResult result = writeCsvText(path, text);
    if (result.ok()) {
        ShowMessage(owner, csvWriteMessage(result.status, language), "出力完了", MB_OK);
    } else {
        ShowError(owner, csvWriteMessage(result.status, language));
    }
}
