#include "ui/canvas_painter_win.h"

#include "ui/gdi_objects_win.h"
#include "ui/text_win.h"
#include "ui/ui_font_win.h"

#include <vector>

namespace {

HGDIOBJ CreatePenFor(const Pen& pen) {
    return CreatePen(pen.style == PenStyle::Dotted ? PS_DOT : PS_SOLID, pen.width, pen.colour);
}

RECT ToRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

void DrawTextItem(HDC dc, const TextItem& item) {
    RECT rect = ToRect(item.rect);
    SetTextColor(dc, item.colour);
    const std::wstring text = Widen(item.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, item.format);
}

void DrawSegment(HDC dc, const LineSegment& segment) {
    MoveToEx(dc, segment.from.x, segment.from.y, nullptr);
    LineTo(dc, segment.to.x, segment.to.y);
}

void PaintBackground(HDC dc, const DrawList& list) {
    ScopedSelect brush(dc, GetStockObject(BLACK_BRUSH));
    ScopedSelect pen(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, list.background.left, list.background.top, list.background.right,
              list.background.bottom);
}

void PaintFrame(HDC dc, const DrawList& list) {
    ScopedGdiObject framePen(CreatePenFor(list.framePen));
    ScopedSelect pen(dc, framePen.get());
    ScopedSelect brush(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, list.frame.left, list.frame.top, list.frame.right, list.frame.bottom);
}

// Element bands have no outline: a brush of their colour fills each rectangle.
void PaintBands(HDC dc, const DrawList& list) {
    for (const FilledRect& band : list.bands) {
        ScopedGdiObject brush(CreateSolidBrush(band.colour));
        RECT rect = ToRect(band.rect);
        FillRect(dc, &rect, static_cast<HBRUSH>(brush.get()));
    }
}

void PaintCaptionAndTimeGrid(HDC dc, const DrawList& list) {
    const ScopedFont labelFont = CreateGothicFont(list.fontHeight);
    ScopedSelect font(dc, labelFont.get());
    DrawTextItem(dc, list.divisionCaption);

    ScopedGdiObject gridPen(CreatePenFor(list.timeGrid.pen));
    ScopedSelect pen(dc, gridPen.get());
    for (const LineSegment& line : list.timeGrid.lines) {
        DrawSegment(dc, line);
    }
    for (const TextItem& label : list.timeGrid.labels) {
        DrawTextItem(dc, label);
    }
}

void PaintValueAxis(HDC dc, const DrawList& list, const ValueAxis& axis) {
    ScopedGdiObject gridPen(CreatePenFor(axis.pen));
    ScopedSelect pen(dc, gridPen.get());
    const ScopedFont labelFont = CreateGothicFont(list.fontHeight);
    ScopedSelect font(dc, labelFont.get());
    DrawTextItem(dc, axis.caption);
    for (const LineSegment& line : axis.lines) {
        DrawSegment(dc, line);
    }
    for (const TextItem& label : axis.labels) {
        DrawTextItem(dc, label);
    }
}

void PaintTrace(HDC dc, const TracePolyline& trace) {
    // A single point draws nothing, as a line from a point to itself does not.
    if (trace.points.size() < 2) {
        return;
    }
    ScopedGdiObject tracePen(CreatePenFor(trace.pen));
    ScopedSelect pen(dc, tracePen.get());
    // One call for the whole line: the same pixels as a line to each point in turn, without a
    // call into the system per point.
    std::vector<POINT> points;
    points.reserve(trace.points.size());
    for (const PixelPoint& point : trace.points) {
        points.push_back({point.x, point.y});
    }
    Polyline(dc, points.data(), static_cast<int>(points.size()));
}

void PaintCursor(HDC dc, const DrawList& list, const CursorOverlay& cursor) {
    ScopedGdiObject cursorPen(CreatePenFor(cursor.pen));
    ScopedSelect pen(dc, cursorPen.get());
    DrawSegment(dc, cursor.line);
    const ScopedFont labelFont = CreateGothicFont(list.fontHeight);
    ScopedSelect font(dc, labelFont.get());
    DrawTextItem(dc, cursor.readout);
}

} // namespace

void PaintDrawList(HDC dc, const DrawList& list) {
    PaintBackground(dc, list);
    SetBkMode(dc, TRANSPARENT);
    if (!list.showsView) {
        return;
    }
    PaintFrame(dc, list);
    PaintBands(dc, list);
    PaintCaptionAndTimeGrid(dc, list);
    if (list.valueAxis) {
        PaintValueAxis(dc, list, *list.valueAxis);
    }
    for (const TracePolyline& reference : list.references) {
        PaintTrace(dc, reference);
    }
    for (const TracePolyline& trace : list.traces) {
        PaintTrace(dc, trace);
    }
    for (const TracePolyline& run : list.clipped) {
        PaintTrace(dc, run);
    }
    if (list.cursor) {
        PaintCursor(dc, list, *list.cursor);
    }
}
