#include "files/settings_commands_win.h"

#include "files/settings_file.h"
#include "ui/app_state_win.h"
#include "ui/main_controls_win.h"
#include "ui/message_box_win.h"

#include <commdlg.h>

#include <filesystem>

namespace {

constexpr wchar_t DefaultFileName[] = L"QZ57output.dat";
// One filter entry; the list ends with an empty pair.
constexpr wchar_t DatFilter[] = L"DAT files(*.dat)\0*.dat\0";
constexpr DWORD PathCapacity = MAX_PATH;

// The file dialogs' settings shared by saving and loading; file receives the chosen path.
OPENFILENAMEW DatFileDialog(wchar_t (&file)[PathCapacity], DWORD flags) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = MainWindow;
    dialog.lpstrFilter = DatFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = PathCapacity;
    dialog.lpstrDefExt = L"dat";
    dialog.Flags = flags;
    return dialog;
}

void ReportWrite(WriteResult result) {
    switch (result) {
    case WriteResult::Written:
        ShowMessage(MainWindow, "波形設定ファイルを書き出しました。", "出力完了", MB_OK);
        return;
    case WriteResult::CannotOpen:
        ShowError(MainWindow, "ファイルを開けませんでした。");
        return;
    case WriteResult::WriteFailed:
        ShowError(MainWindow, "ファイルの書き込みに失敗しました。");
        return;
    }
}

// The window follows the document just taken over: both combos, the trace's range, list and chart.
void ShowLoadedDocument() {
    ShowDocumentCodes();
    RefreshElementList();
    UpdateButtonStates();
}

} // namespace

void CmdSaveSettings() {
    if (Document.elements.empty()) {
        ShowError(MainWindow, "出力できるデータがありません。");
        return;
    }
    wchar_t file[PathCapacity] = {};
    std::wcsncpy(file, DefaultFileName, PathCapacity - 1);
    OPENFILENAMEW dialog = DatFileDialog(file, OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR);
    if (!GetSaveFileNameW(&dialog))
        return;
    ReportWrite(WriteSettingsFile(std::filesystem::path(file), Document));
}

void CmdLoadSettings() {
    if (!Document.elements.empty() &&
        !AskYesNo(MainWindow, "現在編集中のデータは失われますがよろしいですか?", "確認"))
        return;
    wchar_t file[PathCapacity] = {};
    std::wcsncpy(file, DefaultFileName, PathCapacity - 1);
    OPENFILENAMEW dialog =
        DatFileDialog(file, OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST);
    if (!GetOpenFileNameW(&dialog)) {
        ShowError(MainWindow, "波形設定ファイル読み込みエラー");
        return;
    }
    // A file that turns out invalid halfway must cost the user nothing: read into a document of
    // its own and take it over only when the whole file was read.
    SignalDocument loaded;
    const SettingsReadResult result = ReadSettingsFile(std::filesystem::path(file), loaded);
    if (!result.ok()) {
        if (result.status == SettingsReadStatus::CannotOpen)
            ShowError(MainWindow, "ファイルを開けませんでした。");
        ShowError(MainWindow, "波形設定ファイルの内容が不正です。");
        return;
    }
    Document = std::move(loaded);
    ShowMessage(MainWindow, "波形設定ファイルを読み込みました。", "読込完了", MB_OK);
    ShowLoadedDocument();
}
