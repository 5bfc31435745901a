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

void ComboBox::renameEntries(const std::vector<std::string>& texts) const {
    const int selected = selection();
    SendMessageW(window_, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : texts)
        addEntry(entry);
    select(selected);
}
