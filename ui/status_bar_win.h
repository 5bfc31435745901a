#pragma once

#include "ui/main_layout.h"

#include <windows.h>

#include <string_view>

// The main window's status bar: the one place that sends it SB_* messages.
class StatusBar {
  public:
    // Creates the bar at the bottom of parent with its parts scaled to dpi; false when it cannot.
    bool create(HWND parent, int id, HFONT font, int dpi);

    HWND window() const { return window_; }
    void setText(StatusPart part, std::string_view text) const;
    // Sets the parts' widths for the language's texts.
    void showParts(int dpi, Language language) const;

  private:
    HWND window_ = nullptr;
};
