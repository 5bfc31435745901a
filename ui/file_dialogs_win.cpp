#include "ui/file_dialogs_win.h"

#include <commdlg.h>

namespace {

// Room for long paths: the name comes back in this buffer.
constexpr DWORD PathBufferSize = 32768;

OPENFILENAMEW FileDialog(HWND owner, const std::wstring& filter, std::wstring& buffer,
                         DWORD flags) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = PathBufferSize;
    dialog.Flags = flags | OFN_NOCHANGEDIR;
    return dialog;
}

std::filesystem::path ChosenPath(std::wstring& buffer) {
    buffer.resize(buffer.find(L'\0'));
    return buffer;
}

} // namespace

std::optional<std::filesystem::path> AskFileToOpen(HWND owner, const std::wstring& filter) {
    std::wstring buffer(PathBufferSize, L'\0');
    OPENFILENAMEW dialog = FileDialog(owner, filter, buffer, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST);
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    return ChosenPath(buffer);
}

std::optional<std::filesystem::path> AskFileToSave(HWND owner, const std::wstring& filter,
                                                   const wchar_t* defaultExtension,
                                                   std::wstring_view initialName) {
    std::wstring buffer(PathBufferSize, L'\0');
    buffer.replace(0, initialName.size(), initialName);
    // Not OFN_FILEMUSTEXIST: that is for opening and would refuse a new file name.
    OPENFILENAMEW dialog = FileDialog(owner, filter, buffer, OFN_OVERWRITEPROMPT);
    dialog.lpstrDefExt = defaultExtension;
    if (!GetSaveFileNameW(&dialog))
        return std::nullopt;
    return ChosenPath(buffer);
}
