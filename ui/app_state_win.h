#pragma once

#include <windows.h>

// The program's own module, for its resources and dialogs: the one value set for the whole run.
extern HINSTANCE AppInstance;

// Geometry given for 96 dpi, at dpi: n × dpi / 96, cut toward zero.
constexpr int ScaleForDpi(int n, int dpi) {
    return n * dpi / 96;
}
