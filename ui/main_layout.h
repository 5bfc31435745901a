#pragma once

#include "model/texts.h"

#include <array>
#include <cstddef>

// Where the main window's controls sit, in pixels at 96 dpi (scaled for the screen), and the
// shapes of the element list and the status bar. The chart's place comes from its own setup.

struct Placement {
    int x, y, width, height;
};

// Outer size of the main window without its status bar.
inline constexpr int MainWindowWidth = 1000;
inline constexpr int MainWindowHeight = 700;

inline constexpr Placement RangeLabelPlace{730, 53, 300, 20};
inline constexpr Placement RangeComboPlace{830, 50, 140, 150};
inline constexpr Placement ResolutionLabelPlace{730, 93, 300, 20};
inline constexpr Placement ResolutionComboPlace{830, 90, 140, 150};
inline constexpr Placement PeriodLabelPlace{730, 133, 300, 20};
inline constexpr Placement PeriodComboPlace{830, 130, 140, 150};
inline constexpr Placement ElementListPlace{20, 450, 700, 185};
inline constexpr Placement AppendButtonPlace{750, 480, 120, 24};
inline constexpr Placement InsertButtonPlace{750, 520, 120, 24};
inline constexpr Placement EditButtonPlace{750, 560, 120, 24};
inline constexpr Placement DeleteButtonPlace{750, 600, 120, 24};

// English labels are longer: the three lists move right and widen for their entries, and the
// window grows by as much; the chart and the list keep their places and sizes.
inline constexpr int EnglishComboShift = 40;
inline constexpr int EnglishComboWidth = 180;
inline constexpr int EnglishExtraWidth = EnglishComboShift + EnglishComboWidth - 140;

constexpr Placement ComboPlaceFor(Placement japanese, Language language) {
    if (language == Language::Japanese)
        return japanese;
    return {japanese.x + EnglishComboShift, japanese.y, EnglishComboWidth, japanese.height};
}

constexpr int MainWindowWidthFor(Language language) {
    return language == Language::Japanese ? MainWindowWidth : MainWindowWidth + EnglishExtraWidth;
}

// Columns of the element list: number, type, start time, parameters. The number column leaves
// room for the mark of clipped samples after a four-digit number.
inline constexpr int ListColumnCount = 4;
inline constexpr std::array<int, ListColumnCount> ListColumnWidths = {56, 150, 60, 434};

// Parts of the status bar, by their right edges; the last of a row runs to the window's edge.
// The lower row: the file, the time, the counts, the clipped elements and the cursor readout.
// The upper row: the measurements of the selection and the difference from a reference, whose
// texts are too long to share a row with the others.
enum class StatusPart { File, Time, Counts, Clipping, Readout, Measures, Reference };
inline constexpr std::size_t LowerStatusParts = 5;
inline constexpr std::array<int, 5> StatusPartEdges = {230, 380, 520, 760, -1};
// In English the counts and the clipped elements take more words; the window is wider.
inline constexpr std::array<int, 5> EnglishStatusPartEdges = {230, 380, 580, 860, -1};
inline constexpr std::array<int, 2> MeasurePartEdges = {660, -1};
inline constexpr std::array<int, 2> EnglishMeasurePartEdges = {690, -1};

constexpr const std::array<int, 5>& StatusPartEdgesFor(Language language) {
    return language == Language::Japanese ? StatusPartEdges : EnglishStatusPartEdges;
}
constexpr const std::array<int, 2>& MeasurePartEdgesFor(Language language) {
    return language == Language::Japanese ? MeasurePartEdges : EnglishMeasurePartEdges;
}
