#pragma once

#include "model/texts.h"
#include "ui/gdi_objects_win.h"

#include <windows.h>

// The program's one typeface: the Japanese fixed-pitch Gothic of every control and chart label.
ScopedFont CreateGothicFont(int pixelHeight);

// Pixel height of the controls' font for a screen dpi.
int UiFontHeight(int dpi);

// The controls' font at a screen dpi for the language: the Gothic face for Japanese, the dialog
// face for English.
ScopedFont CreateUiFont(int dpi, Language language);
