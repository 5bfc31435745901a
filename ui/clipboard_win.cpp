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
    return PutOnClipboard(owner, CF_UNICODETEXT,
                          std::string_view(reinterpret_cast<const char*>(text.c_str()),
                                           (text.size() + 1) * sizeof(wchar_t)));
}

bool PutOnClipboard(HWND owner, UINT format, std::string_view bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    void* target = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (target == nullptr) {
        if (memory != nullptr)
            GlobalFree(memory);
        return false;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    OpenClipboardScope clipboard(owner);
    // Once SetClipboardData succeeds the memory is the clipboard's.
    if (!clipboard.isOpen() || !EmptyClipboard() || SetClipboardData(format, memory) == nullptr) {
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
