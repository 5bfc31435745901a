#pragma once

#include "ui/main_layout.h"

#include <windows.h>

#include <string_view>

// The main window's status bar, two rows of parts: the one place that sends them SB_* messages.
// The lower row sits at the window's bottom; the upper row right above it.
class StatusBar {
  public:
    // Creates both rows at the bottom of parent with their parts scaled to dpi; false when it
    // cannot.
    bool create(HWND parent, int lowerId, int upperId, HFONT font, int dpi);

    HWND window() const { return lower_; }      // the lower row
    HWND upperWindow() const { return upper_; } // the row of the measurements
    void setText(StatusPart part, std::string_view text) const;
    // Sets the parts' widths for the language's texts.
    void showParts(int dpi, Language language) const;
    // Puts both rows along the parent's bottom edge, after a change of its size.
    void fitToParent() const;
    // Pixels both rows take at the bottom of the window.
    int height() const;

  private:
    HWND lower_ = nullptr;
    HWND upper_ = nullptr;
};
