#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

// The clipboard's Unicode text, which carries copied elements between editors and other programs.

// Puts text (UTF-8) on the clipboard in place of what it held; false when the clipboard refused.
bool PutOnClipboard(HWND owner, std::string_view text);

// The same for data of another format (a picture as CF_DIB), given as its bytes.
bool PutOnClipboard(HWND owner, UINT format, std::string_view bytes);

// The clipboard's text as UTF-8; none when it holds no text. Text far past what a paste takes is
// cut at the limit, so the reader refuses it without converting it all.
std::optional<std::string> ClipboardText(HWND owner);

bool ClipboardHasText();
