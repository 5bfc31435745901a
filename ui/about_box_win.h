#pragma once

#include "model/texts.h"

#include <windows.h>

// "バージョン情報": the modal about box, closed by OK, Enter, Esc or its close box; its version
// line in language.
void ShowAboutBox(HWND owner, Language language);
