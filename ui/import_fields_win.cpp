#include "ui/import_fields_win.h"

#include "ui/combo_box_win.h"
#include "ui/gdi_objects_win.h"
#include "ui/text_win.h"

#include <commdlg.h>

#include <array>

namespace {

constexpr DWORD PathCapacity = 32768;

// A device context in memory like dc, deleted when the scope ends (after the objects selected
// into it are put back, so declare it first).
class ScopedMemoryDc {
  public:
    explicit ScopedMemoryDc(HDC dc) : dc_(CreateCompatibleDC(dc)) {}
    ~ScopedMemoryDc() {
        if (dc_ != nullptr)
            DeleteDC(dc_);
    }
    ScopedMemoryDc(const ScopedMemoryDc&) = delete;
    ScopedMemoryDc& operator=(const ScopedMemoryDc&) = delete;

    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

} // namespace

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
    // The filter: a description, then the patterns, each ending in a zero, and a zero after all.
    const std::wstring filter =
        Widen(text(TextId::ImportFileFilter, language)) + L'\0' + L"*.csv;*.txt;*.pwl" + L'\0';
    std::wstring file(PathCapacity, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = PathCapacity;
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameW(&dialog))
        return std::nullopt;
    return std::filesystem::path(file.c_str());
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
