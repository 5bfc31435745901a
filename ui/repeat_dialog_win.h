#pragma once

#include "model/texts.h"

#include <windows.h>

#include <optional>

// Edit > Repeat: how often the selected elements are to occur, 2 .. RepeatMaxCount; none when
// cancelled. OK stays off while the count is not a whole number in that span.
std::optional<int> AskRepeatCount(HWND owner, Language language);
