#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Texts that a window's controls cut off: every static text, push button and list-view column
// header among its descendants whose text, measured with the control's own font, is wider than
// the room the control gives it (for a static text: up to a sibling that covers it on the right).
// Each entry names the control id and the text.
std::vector<std::string> TextsWiderThanTheirControls(HWND parent);
