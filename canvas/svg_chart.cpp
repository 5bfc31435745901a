#include "canvas/svg_chart.h"

#include <string_view>

namespace {

std::string number(int n) {
    return std::to_string(n);
}

std::string colourText(Colour colour) {
    constexpr std::string_view Digits = "0123456789abcdef";
    std::string text = "#";
    // 0x00BBGGRR holds red in the low byte; SVG wants #rrggbb.
    for (int shift : {0, 8, 16}) {
        const unsigned byte = (colour >> shift) & 0xFF;
        text += Digits[byte >> 4];
        text += Digits[byte & 0xF];
    }
    return text;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The rectangle's place and size, as SVG wants them.
std::string rectAttributes(const PixelRect& r) {
    return " x=\"" + number(r.left) + "\" y=\"" + number(r.top) + "\" width=\"" +
           number(r.right - r.left) + "\" height=\"" + number(r.bottom - r.top) + "\"";
}

std::string penAttributes(const Pen& pen) {
    std::string text =
        " stroke=\"" + colourText(pen.colour) + "\" stroke-width=\"" + number(pen.width) + "\"";
    if (pen.style == PenStyle::Dotted)
        text += " stroke-dasharray=\"1 1\"";
    return text;
}

void addLine(std::string& svg, std::string_view cls, const LineSegment& line, const Pen& pen) {
    svg += "<line class=\"" + std::string(cls) + "\" x1=\"" + number(line.from.x) + "\" y1=\"" +
           number(line.from.y) + "\" x2=\"" + number(line.to.x) + "\" y2=\"" + number(line.to.y) +
           "\"" + penAttributes(pen) + "/>\n";
}

// The text sits at the point its rectangle and placement anchor it to.
void addText(std::string& svg, std::string_view cls, const TextItem& item, int fontHeight) {
    const PixelRect& r = item.rect;
    int x = r.left;
    std::string_view anchor = "start";
    if (item.format & TextCenter) {
        x = (r.left + r.right) / 2;
        anchor = "middle";
    } else if (item.format & TextRight) {
        x = r.right;
        anchor = "end";
    }
    // The shift from the anchor to the baseline goes in dy, which every renderer honours, so that
    // x and y stay the anchor itself.
    int y = r.top;
    std::string_view shift = "0.8em";
    if (item.format & TextVCenter) {
        y = (r.top + r.bottom) / 2;
        shift = "0.35em";
    }
    svg += "<text class=\"" + std::string(cls) + "\" x=\"" + number(x) + "\" y=\"" + number(y) +
           "\" dy=\"" + std::string(shift) + "\" text-anchor=\"" + std::string(anchor) +
           "\" font-size=\"" + number(fontHeight) + "\" fill=\"" + colourText(item.colour) +
           "\" xml:space=\"preserve\">" + escaped(item.text) + "</text>\n";
}

void addPolyline(std::string& svg, std::string_view cls, const TracePolyline& trace) {
    if (trace.points.empty())
        return;
    svg += "<polyline class=\"" + std::string(cls) + "\" points=\"";
    for (std::size_t i = 0; i < trace.points.size(); ++i) {
        if (i > 0)
            svg += ' ';
        svg += number(trace.points[i].x) + "," + number(trace.points[i].y);
    }
    svg += "\" fill=\"none\"" + penAttributes(trace.pen) + "/>\n";
}

} // namespace

std::string svgChart(const DrawList& list) {
    const std::string w = number(list.width);
    const std::string h = number(list.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h +
                      "\" font-family=\"monospace\" shape-rendering=\"crispEdges\">\n";
    svg += "<rect class=\"background\"" + rectAttributes(list.background) + " fill=\"" +
           colourText(list.backgroundColour) + "\"/>\n";
    if (list.showsView) {
        svg += "<rect class=\"frame\"" + rectAttributes(list.frame) + " fill=\"none\"" +
               penAttributes(list.framePen) + "/>\n";
        for (const FilledRect& band : list.bands)
            svg += "<rect class=\"element-band\"" + rectAttributes(band.rect) + " fill=\"" +
                   colourText(band.colour) + "\"/>\n";
        addText(svg, "caption", list.divisionCaption, list.fontHeight);
        for (const LineSegment& line : list.timeGrid.lines)
            addLine(svg, "time-grid", line, list.timeGrid.pen);
        for (const TextItem& label : list.timeGrid.labels)
            addText(svg, "time-label", label, list.fontHeight);
        if (list.valueAxis) {
            const ValueAxis& axis = *list.valueAxis;
            addText(svg, "caption", axis.caption, list.fontHeight);
            for (const LineSegment& line : axis.lines)
                addLine(svg, "value-grid", line, axis.pen);
            for (const TextItem& label : axis.labels)
                addText(svg, "value-label", label, list.fontHeight);
        }
        for (const TracePolyline& reference : list.references)
            addPolyline(svg, "reference", reference);
        for (const TracePolyline& trace : list.traces)
            addPolyline(svg, "trace", trace);
        for (const TracePolyline& run : list.clipped)
            addPolyline(svg, "clipped", run);
        if (list.cursor) {
            addLine(svg, "cursor", list.cursor->line, list.cursor->pen);
            addText(svg, "cursor-readout", list.cursor->readout, list.fontHeight);
        }
    }
    svg += "</svg>\n";
    return svg;
}
