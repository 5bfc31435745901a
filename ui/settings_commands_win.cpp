#include "ui/settings_commands_win.h"

#include "files/settings_file.h"
#include "ui/message_box_win.h"
#include "ui/text_win.h"

#include <commdlg.h>

#include <cwchar>
#include <filesystem>

namespace {

constexpr wchar_t DefaultFileName[] = L"QZ57output.dat";
constexpr DWORD PathCapacity = MAX_PATH;

// The file dialogs' settings shared by saving and loading; file receives the chosen path.
// filter: the dialog's filter, which must outlive it.
OPENFILENAMEW DatFileDialog(HWND owner, const std::wstring& filter, wchar_t (&file)[PathCapacity],
                            DWORD flags) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = PathCapacity;
    dialog.lpstrDefExt = L"dat";
    dialog.Flags = flags;
    return dialog;
}

std::wstring DatFilter(Language language) {
    return FileFilter(text(TextId::FilterSettingsFiles, language), L"*.dat");
}

bool ReportWrite(HWND owner, Language language, WriteResult result) {
    switch (result) {
    case WriteResult::Written:
        ShowMessage(owner, text(TextId::SettingsWritten, language),
                    text(TextId::TitleWritten, language), MB_OK);
        return true;
    case WriteResult::CannotOpen:
        ShowError(owner, language, text(TextId::SettingsCannotOpen, language));
        return false;
    case WriteResult::WriteFailed:
        ShowError(owner, language, text(TextId::SettingsWriteFailed, language));
        return false;
    }
    return false;
}

bool NothingToSave(HWND owner, Language language, const EditorModel& editor) {
    if (!editor.document().elements.empty())
        return false;
    ShowError(owner, language, text(TextId::SettingsNothingToSave, language));
    return true;
}

bool SaveTo(HWND owner, Language language, EditorModel& editor, const std::filesystem::path& path) {
    if (!ReportWrite(owner, language, WriteSettingsFile(path, editor.document())))
        return false;
    editor.markSaved(path);
    return true;
}

} // namespace

bool CmdSaveOver(HWND owner, Language language, EditorModel& editor) {
    if (editor.filePath().empty())
        return CmdSaveSettings(owner, language, editor);
    if (NothingToSave(owner, language, editor))
        return false;
    return SaveTo(owner, language, editor, editor.filePath());
}

bool CmdSaveSettings(HWND owner, Language language, EditorModel& editor) {
    if (NothingToSave(owner, language, editor))
        return false;
    wchar_t file[PathCapacity] = {};
    const std::wstring current = editor.filePath().wstring();
    std::wcsncpy(file, current.empty() ? DefaultFileName : current.c_str(), PathCapacity - 1);
    const std::wstring filter = DatFilter(language);
    OPENFILENAMEW dialog =
        DatFileDialog(owner, filter, file, OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR);
    if (!GetSaveFileNameW(&dialog))
        return false;
    return SaveTo(owner, language, editor, std::filesystem::path(file));
}

bool MayReplaceDocument(HWND owner, Language language, const EditorModel& editor) {
    return editor.document().elements.empty() ||
           AskYesNo(owner, language, TextId::AskReplaceDocument, TextId::TitleConfirm);
}

std::optional<LoadedSettings> ReadSettingsFrom(HWND owner, Language language,
                                               const std::filesystem::path& path) {
    // A file that turns out invalid halfway must cost the user nothing: read into a document of
    // its own and take it over only when the whole file was read.
    SignalDocument loaded;
    const SettingsReadResult result = ReadSettingsFile(path, loaded);
    if (!result.ok()) {
        if (result.status == SettingsReadStatus::CannotOpen)
            ShowError(owner, language, text(TextId::SettingsCannotOpen, language));
        ShowError(owner, language, settingsInvalidMessage(result, language));
        return std::nullopt;
    }
    return LoadedSettings{std::move(loaded), path};
}

void ReportLoaded(HWND owner, Language language) {
    ShowMessage(owner, text(TextId::SettingsLoaded, language), text(TextId::TitleLoaded, language),
                MB_OK);
}

std::optional<LoadedSettings> CmdLoadSettings(HWND owner, Language language,
                                              const EditorModel& editor) {
    if (!MayReplaceDocument(owner, language, editor))
        return std::nullopt;
    wchar_t file[PathCapacity] = {};
    std::wcsncpy(file, DefaultFileName, PathCapacity - 1);
    const std::wstring filter = DatFilter(language);
    OPENFILENAMEW dialog =
        DatFileDialog(owner, filter, file, OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST);
    if (!GetOpenFileNameW(&dialog)) {
        ShowError(owner, language, text(TextId::SettingsNotChosen, language));
        return std::nullopt;
    }
    return ReadSettingsFrom(owner, language, std::filesystem::path(file));
}
