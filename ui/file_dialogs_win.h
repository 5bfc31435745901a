// The common file dialogs, as every file command asks for a name.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// filter: the dialog's filter (see FileFilter). None when the user cancelled or the dialog failed.

// An existing file to read, offering initialName; a name typed without an extension gets the
// default one, when there is one.
std::optional<std::filesystem::path> AskFileToOpen(HWND owner, const std::wstring& filter,
                                                   std::wstring_view initialName = {},
                                                   const wchar_t* defaultExtension = nullptr);

// A file to write, offering initialName; an existing one is replaced only after a question. The
// default extension (without its dot) is added to a name typed without one.
std::optional<std::filesystem::path> AskFileToSave(HWND owner, const std::wstring& filter,
                                                   const wchar_t* defaultExtension,
                                                   std::wstring_view initialName);
