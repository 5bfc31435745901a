// Notepad and other Windows editors may begin a UTF-8 file with a byte-order mark, which is no
// part of what the file says.
#pragma once

#include <string_view>

inline constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

inline std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.starts_with(Utf8ByteOrderMark))
        text.remove_prefix(Utf8ByteOrderMark.size());
    return text;
}
