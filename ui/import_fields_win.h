#pragma once

#include "model/texts.h"
#include "model/trace_points.h"

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The import and generator dialogs' controls by id; its drop-down lists through ComboBox. Texts are
// UTF-8.
std::string FieldText(HWND dialog, int id);
void SetFieldText(HWND dialog, int id, std::string_view text);
void EnableField(HWND dialog, int id, bool enabled);

// A drop-down list's entries, replaced only when they differ (a refilled list would close an
// open one), and its selection; -1 when none is selected.
void SetComboEntries(HWND dialog, int id, const std::vector<std::string>& entries);
void SelectComboEntry(HWND dialog, int id, int entry);
int SelectedComboEntry(HWND dialog, int id);

// The open-file dialog for a point file (.csv, .txt, .pwl); none when cancelled.
std::optional<std::filesystem::path> ChoosePointFile(HWND owner, Language language);

// Paints into a bitmap of the area's size, then copies it to dc in one step: no flicker.
void PaintOffScreen(HDC dc, const RECT& area, const std::function<void(HDC)>& paint);

// The output ranges and resolutions in their lists' order, in the language.
void SetCodeEntries(HWND dialog, int rangeId, int resolutionId, Language language);
// Selects the codes in those lists, which can be changed only while offered.
void ShowCodes(HWND dialog, int rangeId, int resolutionId, int rangeCode, int resolutionCode,
               bool offered);

// A dialog's preview asks to be drawn: the chart code's draw list of the samples, or black when
// nothing is made.
void PaintPreview(const DRAWITEMSTRUCT& item, const TracePoints& samples, int rangeCode, bool made);
