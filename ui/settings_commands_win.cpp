#include "ui/settings_commands_win.h"

#include "files/settings_file.h"
#include "ui/message_box_win.h"

#include <commdlg.h>

#include <cwchar>
#include <filesystem>

namespace {

constexpr wchar_t DefaultFileName[] = L"QZ57output.dat";
// One filter entry; the list ends with an empty pair.
constexpr wchar_t DatFilter[] = L"DAT files(*.dat)\0*.dat\0";
constexpr DWORD PathCapacity = MAX_PATH;

// The file dialogs' settings shared by saving and loading; file receives the chosen path.
OPENFILENAMEW DatFileDialog(HWND owner, wchar_t (&file)[PathCapacity], DWORD flags) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = DatFilter;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = PathCapacity;
    dialog.lpstrDefExt = L"dat";
    dialog.Flags = flags;
    return dialog;
}

bool ReportWrite(HWND owner, WriteResult result) {
    switch (result) {
    case WriteResult::Written:
        ShowMessage(owner, "波形設定ファイルを書き出しました。", "出力完了", MB_OK);
        return true;
    case WriteResult::CannotOpen:
        ShowError(owner, "ファイルを開けませんでした。");
        return false;
    case WriteResult::WriteFailed:
        ShowError(owner, "ファイルの書き込みに失敗しました。");
        return false;
    }
    return false;
}

bool NothingToSave(HWND owner, const EditorModel& editor) {
    if (!editor.document().elements.empty())
        return false;
    ShowError(owner, "出力できるデータがありません。");
    return true;
}

bool SaveTo(HWND owner, EditorModel& editor, const std::filesystem::path& path) {
    if (!ReportWrite(owner, WriteSettingsFile(path, editor.document())))
        return false;
    editor.markSaved(path);
    return true;
}

} // namespace

bool CmdSaveOver(HWND owner, EditorModel& editor) {
    if (editor.filePath().empty())
        return CmdSaveSettings(owner, editor);
    if (NothingToSave(owner, editor))
        return false;
    return SaveTo(owner, editor, editor.filePath());
}

bool CmdSaveSettings(HWND owner, EditorModel& editor) {
    if (NothingToSave(owner, editor))
        return false;
    wchar_t file[PathCapacity] = {};
    const std::wstring current = editor.filePath().wstring();
    std::wcsncpy(file, current.empty() ? DefaultFileName : current.c_str(), PathCapacity - 1);
    OPENFILENAMEW dialog = DatFileDialog(owner, file, OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR);
    if (!GetSaveFileNameW(&dialog))
        return false;
    return SaveTo(owner, editor, std::filesystem::path(file));
}

bool MayReplaceDocument(HWND owner, const EditorModel& editor) {
    return editor.document().elements.empty() ||
           AskYesNo(owner, "現在編集中のデータは失われますがよろしいですか?", "確認");
}

std::optional<LoadedSettings> ReadSettingsFrom(HWND owner, const std::filesystem::path& path) {
    // A file that turns out invalid halfway must cost the user nothing: read into a document of
    // its own and take it over only when the whole file was read.
    SignalDocument loaded;
    const SettingsReadResult result = ReadSettingsFile(path, loaded);
    if (!result.ok()) {
        if (result.status == SettingsReadStatus::CannotOpen)
            ShowError(owner, "ファイルを開けませんでした。");
        ShowError(owner, "波形設定ファイルの内容が不正です。");
        return std::nullopt;
    }
    return LoadedSettings{std::move(loaded), path};
}

void ReportLoaded(HWND owner) {
    ShowMessage(owner, "波形設定ファイルを読み込みました。", "読込完了", MB_OK);
}

std::optional<LoadedSettings> CmdLoadSettings(HWND owner, const EditorModel& editor) {
    if (!MayReplaceDocument(owner, editor))
        return std::nullopt;
    wchar_t file[PathCapacity] = {};
    std::wcsncpy(file, DefaultFileName, PathCapacity - 1);
    OPENFILENAMEW dialog =
        DatFileDialog(owner, file, OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST);
    if (!GetOpenFileNameW(&dialog)) {
        ShowError(owner, "波形設定ファイル読み込みエラー");
        return std::nullopt;
    }
    return ReadSettingsFrom(owner, std::filesystem::path(file));
}
