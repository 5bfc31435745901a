#include "ui/file_dialogs_win.h"

#include <commdlg.h>

namespace {

// Room for long paths: the name comes back in this buffer.
constexpr DWORD PathBufferSize = 32768;

// filter and buffer must outlive the dialog; buffer starts with the name offered.
OPENFILENAMEW FileDialog(HWND owner, const std::wstring& filter, std::wstring& buffer,
                         std::wstring_view initialName, const wchar_t* defaultExtension,
                         DWORD flags) {
    buffer.assign(PathBufferSize, L'\0');
    buffer.replace(0, initialName.size(), initialName);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = PathBufferSize;
    // Without the dot: the dialog adds its own.
    dialog.lpstrDefExt = defaultExtension;
    dialog.Flags = flags | OFN_NOCHANGEDIR;
    return dialog;
}

std::filesystem::path ChosenPath(std::wstring& buffer) {
    buffer.resize(buffer.find(L'\0'));
    return buffer;
}

} // namespace

std::optional<std::filesystem::path> AskFileToOpen(HWND owner, const std::wstring& filter,
                                                   std::wstring_view initialName,
                                                   const wchar_t* defaultExtension) {
    std::wstring buffer;
    OPENFILENAMEW dialog = FileDialog(owner, filter, buffer, initialName, defaultExtension,
                                      OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    return ChosenPath(buffer);
}

std::optional<std::filesystem::path> AskFileToSave(HWND owner, const std::wstring& filter,
                                                   const wchar_t* defaultExtension,
                                                   std::wstring_view initialName) {
    std::wstring buffer;
    // Not OFN_FILEMUSTEXIST: that is for opening and would refuse a new file name.
    OPENFILENAMEW dialog =
        FileDialog(owner, filter, buffer, initialName, defaultExtension, OFN_OVERWRITEPROMPT);
    if (!GetSaveFileNameW(&dialog))
        return std::nullopt;
    return ChosenPath(buffer);
}
