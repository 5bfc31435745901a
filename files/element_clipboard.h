#pragma once

#include "files/settings_file.h"
#include "model/signal_document.h"
#include "model/texts.h"

#include <cstddef>
#include <string>
#include <string_view>

// Elements on the clipboard: a first line that marks them as this program's, then each element's
// lines exactly as the settings file holds them. The range and resolution stay with the document.

inline constexpr std::string_view ElementClipboardHeader =
    "### QZ570 series output editor elements ###";

// Paste limits, checked before anything is built: as many elements as the trace has points, and
// room for that many of the longest elements a copy writes (under 300 bytes each).
inline constexpr std::size_t MaxClipboardElements = 99'999;
inline constexpr std::size_t MaxClipboardBytes = 32 * 1024 * 1024;

// The text a copy puts on the clipboard: UTF-8 (plain ASCII), CR LF line ends.
std::string elementClipboardText(const ElementList& elements);

// Reads pasted text with the settings file's rules for an element's lines. The marking first line
// may be missing; lines may end in LF or CR LF; blank lines at the very end are ignored. Samples
// must fit the trace at the interval of the document pasted into. On failure elements is left as
// it was and the result names the first bad line (counting the marking line when present).
SettingsReadResult readElementClipboardText(std::string_view text, double sampleInterval,
                                            ElementList& elements);

// The message the editor shows when a paste fails (UTF-8).
std::string pasteFailureMessage(const SettingsReadResult& result, Language language);
