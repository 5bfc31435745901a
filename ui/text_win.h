#pragma once

#include <string>
#include <string_view>

// The core keeps text in UTF-8; the window system takes UTF-16. These convert at the boundary.
// Invalid sequences become U+FFFD rather than cutting the text short.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A file dialog's filter of one entry, its name shown and its pattern (L"*.dat"), ending with the
// empty pair the dialog looks for.
std::wstring FileFilter(std::string_view name, std::wstring_view pattern);
