#include "ui/status_bar_win.h"

#include "ui/app_state_win.h"
#include "ui/text_win.h"

#include <commctrl.h>

namespace {

template <std::size_t N> void SetParts(HWND bar, const std::array<int, N>& from, int dpi) {
    std::array<int, N> edges{};
    for (std::size_t i = 0; i < N; ++i)
        edges[i] = from[i] < 0 ? -1 : ScaleForDpi(from[i], dpi);
    SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

int WindowHeight(HWND window) {
    RECT rect{};
    return window != nullptr && GetWindowRect(window, &rect) ? rect.bottom - rect.top : 0;
}

} // namespace

bool StatusBar::create(HWND parent, int lowerId, int upperId, HFONT font, int dpi) {
    lower_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(lowerId)), AppInstance,
                             nullptr);
    if (lower_ == nullptr)
        return false;
    // The upper row places itself nowhere: fitToParent puts it above the lower one.
    upper_ = CreateWindowExW(
        0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 0, 0,
        0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(upperId)), AppInstance, nullptr);
    for (HWND bar : {lower_, upper_})
        SendMessageW(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    showParts(dpi, Language::Japanese);
    fitToParent();
    return true;
}

void StatusBar::showParts(int dpi, Language language) const {
    if (lower_ == nullptr)
        return;
    SetParts(lower_, StatusPartEdgesFor(language), dpi);
    SetParts(upper_, MeasurePartEdgesFor(language), dpi);
}

void StatusBar::fitToParent() const {
    if (lower_ == nullptr)
        return;
    SendMessageW(lower_, WM_SIZE, 0, 0);
    RECT lower{};
    GetWindowRect(lower_, &lower);
    MapWindowPoints(HWND_DESKTOP, GetParent(lower_), reinterpret_cast<POINT*>(&lower), 2);
    const int rowHeight = lower.bottom - lower.top;
    SetWindowPos(upper_, nullptr, lower.left, lower.top - rowHeight, lower.right - lower.left,
                 rowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

int StatusBar::height() const {
    return WindowHeight(lower_) + WindowHeight(upper_);
}

void StatusBar::setText(StatusPart part, std::string_view text) const {
    const auto index = static_cast<std::size_t>(part);
    HWND bar = index < LowerStatusParts ? lower_ : upper_;
    if (bar == nullptr)
        return;
    const WPARAM position = index < LowerStatusParts ? index : index - LowerStatusParts;
    SendMessageW(bar, SB_SETTEXTW, position, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}
