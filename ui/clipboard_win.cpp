#include "ui/clipboard_win.h"

#include "files/element_clipboard.h"
#include "ui/text_win.h"

#include <cstring>

namespace {

// Holds the clipboard open for one scope.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_)
            CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

    bool isOpen() const { return open_; }

  private:
    bool open_;
};

} // namespace

bool PutOnClipboard(HWND owner, std::string_view utf8) {
    const std::wstring text = Widen(utf8);
    const SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    OpenClipboardScope clipboard(owner);
    // Once SetClipboardData succeeds the memory is the clipboard's.
    if (!clipboard.isOpen() || !EmptyClipboard() ||
        SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

std::optional<std::string> ClipboardText(HWND owner) {
    OpenClipboardScope clipboard(owner);
    if (!clipboard.isOpen())
        return std::nullopt;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text == nullptr)
        return std::nullopt;
    const std::size_t units = GlobalSize(data) / sizeof(wchar_t);
    std::size_t length = 0;
    while (length < units && length <= MaxClipboardBytes && text[length] != L'\0')
        ++length;
    std::string utf8 = Narrow(std::wstring_view(text, length));
    GlobalUnlock(data);
    return utf8;
}

bool ClipboardHasText() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE;
}
