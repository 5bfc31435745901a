#include "ui/ui_font_win.h"

namespace {

// The font grows in steps with the screen's dpi, from 12 pixels at 96 dpi.
constexpr struct {
    int belowDpi;
    int height;
} FontSteps[] = {{112, 12}, {128, 14}, {144, 16}, {160, 18}};
constexpr int LargestFontHeight = 20;

} // namespace

ScopedFont CreateGothicFont(int pixelHeight) {
    return ScopedFont(CreateFontW(pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  PROOF_QUALITY, FIXED_PITCH | FF_MODERN, L"ＭＳ ゴシック"));
}

int UiFontHeight(int dpi) {
    for (const auto& step : FontSteps) {
        if (dpi < step.belowDpi) {
            return step.height;
        }
    }
    return LargestFontHeight;
}

ScopedFont CreateUiFont(int dpi, Language language) {
    if (language == Language::Japanese)
        return CreateGothicFont(UiFontHeight(dpi));
    // The dialog face of every Windows: proportional, so English words take less room.
    return ScopedFont(CreateFontW(UiFontHeight(dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  PROOF_QUALITY, VARIABLE_PITCH | FF_SWISS, L"MS Shell Dlg 2"));
}
