#include "ui/import_fields_win.h"

#include "ui/combo_box_win.h"
#include "ui/file_dialogs_win.h"
#include "ui/gdi_objects_win.h"
#include "ui/text_win.h"

#include <array>

std::string FieldText(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Narrow(text);
}

void SetFieldText(HWND dialog, int id, std::string_view text) {
    SetDlgItemTextW(dialog, id, Widen(text).c_str());
}

void EnableField(HWND dialog, int id, bool enabled) {
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}

void SetComboEntries(HWND dialog, int id, const std::vector<std::string>& entries) {
    const ComboBox combo(GetDlgItem(dialog, id));
    if (combo.entries() != entries)
        combo.setEntries(entries);
}

void SelectComboEntry(HWND dialog, int id, int entry) {
    ComboBox(GetDlgItem(dialog, id)).select(entry);
}

int SelectedComboEntry(HWND dialog, int id) {
    return ComboBox(GetDlgItem(dialog, id)).selection();
}

std::optional<std::filesystem::path> ChoosePointFile(HWND owner, Language language) {
    return AskFileToOpen(
        owner, FileFilter(text(TextId::ImportFileFilter, language), L"*.csv;*.txt;*.pwl"));
}

void PaintOffScreen(HDC dc, const RECT& area, const std::function<void(HDC)>& paint) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const ScopedMemoryDc memory(dc);
    if (memory.get() == nullptr)
        return;
    ScopedGdiObject bitmap(CreateCompatibleBitmap(dc, width, height));
    ScopedSelect selected(memory.get(), bitmap.get());
    paint(memory.get());
    BitBlt(dc, area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
}
