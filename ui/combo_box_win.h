#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

// A drop-down list: the one place that sends a combo box its CB_* messages. Callers speak in
// entries, counted from 0.
class ComboBox {
  public:
    ComboBox() = default;
    explicit ComboBox(HWND window) : window_(window) {}

    HWND window() const { return window_; }
    void addEntry(std::string_view text) const;
    // Every entry, in order; replaced by others, which leaves none selected.
    std::vector<std::string> entries() const;
    void setEntries(const std::vector<std::string>& entries) const;
    // Gives the entries new texts, in the same order, keeping the selection.
    void renameEntries(const std::vector<std::string>& texts) const;
    // Selects an entry (-1: none) without the CBN_SELCHANGE a user's choice sends.
    void select(int entry) const;
    // The selected entry, -1 when none is.
    int selection() const;

  private:
    HWND window_ = nullptr;
};
