#pragma once

#include "canvas/canvas_state.h"
#include "canvas/plot_geometry.h"

#include <optional>
#include <string>
#include <vector>

enum class PenStyle { Solid, Dotted };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Colour colour = White;
    bool operator==(const Pen&) const = default;
};

// Text placement in its rectangle, with the window system's DrawText flag values so the painter
// can pass them on unchanged. Every text is a single line.
enum TextFormat : unsigned {
    TextLeft = 0x0000,
    TextTop = 0x0000,
    TextCenter = 0x0001,
    TextRight = 0x0002,
    TextVCenter = 0x0004,
    TextSingleLine = 0x0020,
};

struct TextItem {
    std::string text; // UTF-8
    PixelRect rect;
    unsigned format = TextSingleLine;
    Colour colour = White;
};

struct LineSegment {
    PixelPoint from;
    PixelPoint to; // the window system's LineTo: the end pixel itself is not drawn
};

struct TimeGrid {
    Pen pen;
    std::vector<LineSegment> lines; // anchor line, then forward, then backward
    std::vector<TextItem> labels;
};

struct ValueAxis {
    Pen pen;
    TextItem caption;
    std::vector<LineSegment> lines; // eleven, top to bottom
    std::vector<TextItem> labels;   // one per line, same order
};

struct TracePolyline {
    Pen pen;
    std::vector<PixelPoint> points; // move to the first, line to each later one
};

// A rectangle filled with one colour, no outline.
struct FilledRect {
    PixelRect rect;
    Colour colour = Black;
    bool operator==(const FilledRect&) const = default;
};

// The mouse cursor over the plot: a vertical line through the plot area and the readout of the
// time and value under it.
struct CursorOverlay {
    Pen pen;
    LineSegment line;
    TextItem readout;
};

// Everything one paint draws, in paint order, as finished pixel coordinates.
struct DrawList {
    int width = 0;
    int height = 0;
    // 1. Always: the whole canvas filled black.
    PixelRect background;
    Colour backgroundColour = Black;
    // 2. False for an empty view: the paint stops after the background.
    bool showsView = false;
    // 3. Frame outline around the plot (no fill).
    PixelRect frame;
    Pen framePen;
    // 3a. Time spans of elements picked in the list, behind everything below.
    std::vector<FilledRect> bands;
    // 4. Height of the label font for every text below (fixed pitch).
    int fontHeight = 0;
    // 5. Time-per-division caption.
    TextItem divisionCaption;
    // 6. Vertical dotted grid with its time labels.
    TimeGrid timeGrid;
    // 8. Value axis of the trace.
    std::optional<ValueAxis> valueAxis;
    // 8a. References to hold the trace against, in grey under it; the chart's owner adds them.
    std::vector<TracePolyline> references;
    // 9. The trace, when it is visible and has points (none or one).
    std::vector<TracePolyline> traces;
    // 10. Stretches of the trace beyond its value range, along the plot's edge in warning red.
    std::vector<TracePolyline> clipped;
    // 11. The mouse cursor, on top of everything.
    std::optional<CursorOverlay> cursor;
};

// Red, for what the export cannot output as shown.
inline constexpr Colour WarningColour = 0x000000FF;

DrawList buildDrawList(const Canvas& canvas);
