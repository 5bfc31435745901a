#include "ui/settings_commands_win.h"

#include "files/settings_file.h"
#include "ui/file_dialogs_win.h"
#include "ui/message_box_win.h"
#include "ui/text_win.h"

#include <filesystem>

namespace {

constexpr wchar_t DefaultFileName[] = L"QZ57output.dat";

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
    const std::wstring current = editor.filePath().wstring();
    const std::optional<std::filesystem::path> path = AskFileToSave(
        owner, DatFilter(language), L"dat", current.empty() ? DefaultFileName : current);
    return path && SaveTo(owner, language, editor, *path);
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
    const std::optional<std::filesystem::path> path =
        AskFileToOpen(owner, DatFilter(language), DefaultFileName, L"dat");
    if (!path) {
        ShowError(owner, language, text(TextId::SettingsNotChosen, language));
        return std::nullopt;
    }
    return ReadSettingsFrom(owner, language, *path);
}
