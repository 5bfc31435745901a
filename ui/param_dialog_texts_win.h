#pragma once

#include "model/texts.h"

#include <windows.h>

// The parameter dialog speaks the language it was opened in until it closes: its title, labels,
// Cancel button and the three type lists.
void ShowParamDialogTexts(HWND dialog, Language language);

// The id of the first waveform sketch in the language: the sketches carry words.
int FirstPictureOf(Language language);
