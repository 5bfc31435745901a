#include "canvas/svg_chart.h"

#include "chart_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

} // namespace

TEST(SvgChart, OneElementPerItemAtTheComputedPixels) {
    Chart chart(Period30s);
    chart.load(12.3, 0.1);
    const std::string svg = svgChart(buildDrawList(chart.canvas));
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_TRUE(svg.ends_with("</svg>\n"));
    EXPECT_NE(svg.find("width=\"700\" height=\"400\""), std::string::npos);
    EXPECT_NE(svg.find("font-family=\"monospace\""), std::string::npos);
    EXPECT_EQ(occurrences(svg, "class=\"frame\""), 1);
    EXPECT_NE(svg.find("<rect class=\"frame\" x=\"69\" y=\"22\" width=\"597\" height=\"340\""),
              std::string::npos);
    EXPECT_EQ(occurrences(svg, "class=\"time-grid\""), 6);
    EXPECT_EQ(occurrences(svg, "class=\"time-label\""), 6);
    EXPECT_EQ(occurrences(svg, "class=\"value-grid\""), 11);
    EXPECT_EQ(occurrences(svg, "class=\"value-label\""), 11);
    EXPECT_EQ(occurrences(svg, "class=\"caption\""), 2);
    EXPECT_EQ(occurrences(svg, "class=\"trace\""), 1);
    EXPECT_NE(svg.find("<line class=\"time-grid\" x1=\"308\" y1=\"24\" x2=\"308\" y2=\"360\""),
              std::string::npos);
    EXPECT_NE(svg.find("x=\"308\" y=\"382\""), std::string::npos); // label under that line
    EXPECT_NE(svg.find(">00:00:12</text>"), std::string::npos);
    EXPECT_NE(svg.find(">5 sec/div</text>"), std::string::npos);
    EXPECT_NE(svg.find(">OUTPUT[V]</text>"), std::string::npos);
    EXPECT_NE(svg.find(">  -2.000</text>"), std::string::npos);
    EXPECT_NE(svg.find("stroke=\"#ffff50\""), std::string::npos); // 0x0050FFFF
    EXPECT_NE(svg.find("stroke=\"#7f7f28\""), std::string::npos); // its grid colour
    EXPECT_EQ(svg.find("<image"), std::string::npos);
    EXPECT_EQ(svg.find("url("), std::string::npos);
}

TEST(SvgChart, EmptyWindowIsJustTheBlackBackground) {
    Canvas canvas = initialCanvas(96);
    const std::string svg = svgChart(buildDrawList(canvas));
    EXPECT_EQ(occurrences(svg, "<rect"), 1);
    EXPECT_NE(svg.find("fill=\"#000000\""), std::string::npos);
    EXPECT_EQ(occurrences(svg, "<line"), 0);
    EXPECT_EQ(occurrences(svg, "<text"), 0);
}

TEST(SvgChart, TextIsEscaped) {
    Chart chart(Period30s);
    chart.trace->name = "A&B<\"";
    chart.trace->unit = "";
    const std::string svg = svgChart(buildDrawList(chart.canvas));
    EXPECT_NE(svg.find(">A&amp;B&lt;&quot;</text>"), std::string::npos);
}

TEST(SvgChart, BandsClippedStretchesAndCursorAsTheirOwnElements) {
    Chart chart(Period30s);
    chart.samples.appendPoint(1, 12);
    chart.samples.appendPoint(2, 12);
    DrawList list = buildDrawList(chart.canvas);
    list.bands.push_back({{109, 24, 167, 360}, 0x00503828});
    list.cursor = CursorOverlay{{PenStyle::Solid, 1, White},
                                {{100, 24}, {100, 360}},
                                {"00:00:01.549", {350, 0, 560, 24}, TextCenter, White}};
    const std::string svg = svgChart(list);
    const auto band = svg.find("<rect class=\"element-band\" x=\"109\" y=\"24\" width=\"58\" "
                               "height=\"336\" fill=\"#283850\"/>");
    const auto trace = svg.find("class=\"trace\"");
    const auto clipped = svg.find("<polyline class=\"clipped\" points=\"89,24 109,24\" "
                                  "fill=\"none\" stroke=\"#ff0000\" stroke-width=\"2\"/>");
    const auto cursor = svg.find("<line class=\"cursor\" x1=\"100\" y1=\"24\" x2=\"100\"");
    const auto readout = svg.find("class=\"cursor-readout\"");
    EXPECT_LT(band, svg.find("class=\"time-grid\""));
    EXPECT_LT(trace, clipped);
    EXPECT_LT(clipped, cursor);
    EXPECT_LT(cursor, readout);
    EXPECT_NE(readout, std::string::npos);
}
