#include "ui/import_fields_win.h"

#include "canvas/preview_chart.h"
#include "model/tables.h"
#include "ui/canvas_painter_win.h"
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

void SetCodeEntries(HWND dialog, int rangeId, int resolutionId, Language language) {
    std::vector<std::string> ranges;
    for (const int code : RangeCodeAtPosition)
        ranges.emplace_back(text(outputRange(code).name, language));
    SetComboEntries(dialog, rangeId, ranges);
    std::vector<std::string> resolutions;
    for (const int code : ResolutionCodeAtPosition)
        resolutions.emplace_back(text(resolution(code).name, language));
    SetComboEntries(dialog, resolutionId, resolutions);
}

void ShowCodes(HWND dialog, int rangeId, int resolutionId, int rangeCode, int resolutionCode,
               bool offered) {
    SelectComboEntry(dialog, rangeId, positionOfRangeCode(rangeCode));
    SelectComboEntry(dialog, resolutionId, positionOfResolutionCode(resolutionCode));
    EnableField(dialog, rangeId, offered);
    EnableField(dialog, resolutionId, offered);
}

void PaintPreview(const DRAWITEMSTRUCT& item, const TracePoints& samples, int rangeCode,
                  bool made) {
    const RECT& area = item.rcItem;
    const DrawList list =
        previewDrawList(samples, rangeCode, area.right - area.left, area.bottom - area.top,
                        GetDeviceCaps(item.hDC, LOGPIXELSX));
    PaintOffScreen(item.hDC, area, [&](HDC dc) {
        if (made)
            PaintDrawList(dc, list);
        else
            FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    });
}
