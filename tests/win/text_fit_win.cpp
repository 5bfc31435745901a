#include "tests/win/text_fit_win.h"

#include "ui/text_win.h"

#include <commctrl.h>

#include <algorithm>
#include <sstream>

namespace {

// The widest line of the text drawn in the control's font, in pixels.
int TextWidth(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    const HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    int widest = 0;
    std::wistringstream lines(text);
    for (std::wstring line; std::getline(lines, line);) {
        // A "&" marks the mnemonic and takes no room; "&&" shows one ampersand.
        std::wstring shown;
        for (size_t i = 0; i < line.size(); ++i) {
            if (line[i] == L'&' && i + 1 < line.size())
                ++i;
            shown += line[i];
        }
        SIZE size{};
        GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return widest;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

int ClientWidth(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.right - client.left;
}

// Room a push button leaves for its text: its edges and the focus rectangle's inset on each side.
int ButtonTextRoom(HWND button) {
    return ClientWidth(button) - 2 * (GetSystemMetrics(SM_CXEDGE) + 3);
}

// A header pads its text on both sides by about an average character each.
int HeaderPadding(HWND header) {
    HDC dc = GetDC(header);
    const HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(header, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(header, dc);
    return 2 * metrics.tmAveCharWidth;
}

void CheckHeader(HWND list, std::vector<std::string>& cut) {
    HWND header = ListView_GetHeader(list);
    const int columns = Header_GetItemCount(header);
    for (int i = 0; i < columns; ++i) {
        wchar_t text[256] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        Header_GetItem(header, i, &item);
        RECT rect{};
        Header_GetItemRect(header, i, &rect);
        if (TextWidth(header, text) + HeaderPadding(header) > rect.right - rect.left)
            cut.push_back("list " + std::to_string(GetDlgCtrlID(list)) + " column " +
                          std::to_string(i) + ": " + Narrow(text));
    }
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The width a control's text can use before a visible sibling covers it on the right.
int UncoveredWidth(HWND control, int width) {
    const RECT own = RectInParent(control);
    for (HWND sibling = GetWindow(GetParent(control), GW_CHILD); sibling != nullptr;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == control || !IsWindowVisible(sibling))
            continue;
        const RECT other = RectInParent(sibling);
        const bool sameRow = other.top < own.bottom && other.bottom > own.top;
        if (sameRow && other.left > own.left && other.left < own.left + width)
            width = other.left - own.left;
    }
    return width;
}

BOOL CALLBACK CheckControl(HWND control, LPARAM found) {
    auto& cut = *reinterpret_cast<std::vector<std::string>*>(found);
    if (!IsWindowVisible(control))
        return TRUE;
    const std::wstring kind = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    int room = -1;
    if (kind == L"Static" && (style & SS_TYPEMASK) <= SS_RIGHT)
        room = UncoveredWidth(control, ClientWidth(control));
    else if (kind == L"Button" && (style & BS_TYPEMASK) <= BS_DEFPUSHBUTTON)
        room = ButtonTextRoom(control);
    else if (kind == WC_LISTVIEWW)
        CheckHeader(control, cut);
    const std::wstring text = TextOf(control);
    if (room >= 0 && !text.empty() && TextWidth(control, text) > room)
        cut.push_back("control " + std::to_string(GetDlgCtrlID(control)) + ": " + Narrow(text));
    return TRUE;
}

} // namespace

std::vector<std::string> TextsWiderThanTheirControls(HWND parent) {
    std::vector<std::string> cut;
    EnumChildWindows(parent, CheckControl, reinterpret_cast<LPARAM>(&cut));
    return cut;
}
