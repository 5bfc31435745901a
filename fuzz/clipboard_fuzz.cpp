// Pasted text is whatever another program put on the clipboard: the reader must refuse what it
// cannot take with a reason, and whatever it takes must copy and paste back the same.
#include "files/element_clipboard.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ElementList elements;
    const SettingsReadResult read = readElementClipboardText(text, 0.01, elements);
    if (!read.ok()) {
        if (read.line <= 0 || read.problem == ReadProblem::None || !elements.empty())
            std::abort();
        return 0;
    }
    ElementList again;
    if (!readElementClipboardText(elementClipboardText(elements), 0.01, again).ok() ||
        elementClipboardText(again) != elementClipboardText(elements))
        std::abort();
    return 0;
}
