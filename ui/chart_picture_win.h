// The chart as a picture for a test report: on the clipboard, or as a PNG file.
#pragma once

#include "model/texts.h"
#include "ui/canvas_window_win.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// What the chart shows (axes, labels, trace, reference, clipped stretches, selected bands), without
// the mouse's cursor line, at the chart's size in pixels.
struct ChartPicture {
    BITMAPINFOHEADER header{};      // 24 bits a pixel, the bottom row first, as CF_DIB holds it
    std::vector<std::uint8_t> rows; // each row padded to whole 4-byte words

    int width() const { return header.biWidth; }
    int height() const { return header.biHeight; }
    std::size_t stride() const { return (static_cast<std::size_t>(width()) * 3 + 3) & ~3u; }
};

std::optional<ChartPicture> DrawChartPicture(const CanvasWindow& pane);

// The picture as a PNG file's bytes, through the Windows Imaging Component; none when it fails.
std::optional<std::string> PngFileBytes(const ChartPicture& picture);

// Edit > Copy chart: the picture on the clipboard as a device-independent bitmap (CF_DIB).
void CmdCopyChart(HWND owner, Language language, const CanvasWindow& pane);

// File > Save chart as picture: asks for a .png name and writes the picture safely; a file that
// cannot be written is named and left as it was.
void CmdSaveChartPicture(HWND owner, Language language, const CanvasWindow& pane);
