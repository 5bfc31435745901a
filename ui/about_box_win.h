#pragma once

#include <windows.h>

// "バージョン情報": the modal about box, closed by OK, Enter, Esc or its close box.
void ShowAboutBox(HWND owner);
