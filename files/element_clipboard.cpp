#include "files/element_clipboard.h"

#include <algorithm>
#include <istream>
#include <streambuf>

namespace {

// Reads the pasted text where it lies: it may be megabytes.
class TextBuffer : public std::streambuf {
  public:
    explicit TextBuffer(std::string_view text) {
        // The reader only takes characters out; none is ever written back.
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The line where text passes maxBytes: the count of line ends before that byte, plus one.
int lineAtByte(std::string_view text, std::size_t maxBytes) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + maxBytes, '\n'));
}

} // namespace

std::string elementClipboardText(const ElementList& elements) {
    std::string text;
    text.append(ElementClipboardHeader).append("\r\n");
    for (const SignalElement& element : elements)
        appendElementLines(text, element);
    return text;
}

SettingsReadResult readElementClipboardText(std::string_view text, double sampleInterval,
                                            ElementList& elements) {
    if (text.size() > MaxClipboardBytes)
        return {SettingsReadStatus::InvalidContent, lineAtByte(text, MaxClipboardBytes),
                "at most " + std::to_string(MaxClipboardBytes) + " bytes of elements"};
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    int lineBefore = 0;
    if (text.substr(0, ElementClipboardHeader.size()) == ElementClipboardHeader) {
        const std::size_t end = text.find('\n');
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        lineBefore = 1;
    }
    TextBuffer buffer(text);
    std::istream in(&buffer);
    return readElementLines(in, lineBefore, sampleInterval, MaxClipboardElements, elements);
}

std::string pasteFailureMessage(const SettingsReadResult& result, Language language) {
    return formatText(TextId::PasteRefused, language,
                      {std::to_string(result.line), result.expected});
}
