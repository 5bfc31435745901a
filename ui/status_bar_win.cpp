#include "ui/status_bar_win.h"

#include "ui/app_state_win.h"
#include "ui/text_win.h"

#include <commctrl.h>

bool StatusBar::create(HWND parent, int id, HFONT font, int dpi) {
    window_ =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance, nullptr);
    if (window_ == nullptr)
        return false;
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    showParts(dpi, Language::Japanese);
    return true;
}

void StatusBar::showParts(int dpi, Language language) const {
    if (window_ == nullptr)
        return;
    const std::array<int, 5>& from = StatusPartEdgesFor(language);
    std::array<int, 5> edges{};
    for (std::size_t i = 0; i < from.size(); ++i)
        edges[i] = from[i] < 0 ? -1 : ScaleForDpi(from[i], dpi);
    SendMessageW(window_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::setText(StatusPart part, std::string_view text) const {
    if (window_ == nullptr)
        return;
    SendMessageW(window_, SB_SETTEXTW, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(Widen(text).c_str()));
}
