#include "ui/combo_box_win.h"

#include "ui/text_win.h"

void ComboBox::addEntry(std::string_view text) const {
    SendMessageW(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void ComboBox::select(int entry) const {
    SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

int ComboBox::selection() const {
    // CB_ERR (-1) when no entry is selected.
    return static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> ComboBox::entries() const {
    std::vector<std::string> entries;
    const auto count = SendMessageW(window_, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        // The length without the terminating zero, or CB_ERR.
        const auto length = SendMessageW(window_, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring entry(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(window_, CB_GETLBTEXT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(entry.size() - 1);
        entries.push_back(Narrow(entry));
    }
    return entries;
}

void ComboBox::setEntries(const std::vector<std::string>& entries) const {
    SendMessageW(window_, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries)
        addEntry(entry);
}

void ComboBox::renameEntries(const std::vector<std::string>& texts) const {
    const int selected = selection();
    setEntries(texts);
    select(selected);
}
