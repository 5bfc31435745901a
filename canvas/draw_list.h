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
    // 4. Height of the label font for every text below (fixed pitch).
    int fontHeight = 0;
    // 5. Time-per-division caption.
    TextItem divisionCaption;
    // 6. Vertical dotted grid with its time labels.
    TimeGrid timeGrid;
    // 8. Value axis of trace 0, when the canvas has one.
    std::optional<ValueAxis> valueAxis;
    // 9. Visible traces with points, other traces first, trace 0 last, on top.
    std::vector<TracePolyline> traces;
};

DrawList buildDrawList(const Canvas& canvas);
