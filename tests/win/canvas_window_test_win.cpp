#include "canvas/view_scroll.h"

#include "tests/win/win_test_support_win.h"

#include "canvas/canvas_setup.h"
#include "canvas/draw_list.h"
#include "canvas/element_bands.h"
#include "canvas/plot_geometry.h"
#include "model/synthesis.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/app_state_win.h"
#include "ui/main_controls_win.h"
#include "ui/main_window_win.h"
#include "ui/ui_font_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// ---- Geometry of the main window, the chart, its strip and scroll bar, at two dpi settings.

struct Placement {
    int x, y, width, height;
    bool operator==(const Placement&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Placement& p) {
    return out << p.width << "x" << p.height << " at (" << p.x << ", " << p.y << ")";
}

Placement PlacementOf(HWND window) {
    const RECT rect = RectInParent(window);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

struct Geometry {
    int dpi;
    SIZE mainWindow;
    Placement canvas;
    Placement strip;
    Placement scrollBar; // in the strip
    int fontHeight;
};

const Geometry Geometries[] = {
    {96, {1000, 700}, {20, 20, 700, 400}, {20, 420, 700, 16}, {0, 0, 700, 16}, 12},
    {120, {1250, 875}, {25, 25, 875, 500}, {25, 525, 875, 20}, {0, 0, 875, 20}, 14},
};

class GeometryTest : public ::testing::TestWithParam<Geometry> {
  protected:
    void TearDown() override { CloseMainWindow(); }
};

TEST_P(GeometryTest, WindowsSitWhereTheDpiPutsThem) {
    const Geometry& expected = GetParam();
    ASSERT_NE(OpenMainWindow(expected.dpi), nullptr);

    // The status bar's two rows add their height below the rest, which keeps its place; the
    // measurements' row sits right on top of the other.
    RECT outer, bar, upper;
    GetWindowRect(Editor().window, &outer);
    ASSERT_TRUE(GetWindowRect(FindControl(Editor().window, IDC_STATUS_BAR), &bar));
    ASSERT_TRUE(GetWindowRect(FindControl(Editor().window, IDC_STATUS_MEASURES), &upper));
    EXPECT_EQ(outer.right - outer.left, expected.mainWindow.cx);
    EXPECT_EQ(outer.bottom - outer.top, expected.mainWindow.cy + 2 * (bar.bottom - bar.top));
    EXPECT_EQ(upper.bottom, bar.top);
    EXPECT_EQ(upper.bottom - upper.top, bar.bottom - bar.top);

    HWND canvas = FindControl(Editor().window, IDC_CANVAS);
    HWND strip = FindControl(Editor().window, IDC_CANVAS_STRIP);
    HWND scrollBar = FindControl(Editor().window, IDC_CANVAS_SCROLL);
    ASSERT_NE(canvas, nullptr);
    ASSERT_NE(strip, nullptr);
    ASSERT_NE(scrollBar, nullptr);
    EXPECT_EQ(GetParent(canvas), Editor().window);
    EXPECT_EQ(GetParent(strip), Editor().window);
    EXPECT_EQ(GetParent(scrollBar), strip);
    EXPECT_EQ(PlacementOf(canvas), expected.canvas);
    EXPECT_EQ(PlacementOf(strip), expected.strip);
    EXPECT_EQ(PlacementOf(scrollBar), expected.scrollBar);

    LOGFONTW font{};
    GetObjectW(Editor().font.get(), sizeof font, &font);
    EXPECT_EQ(font.lfHeight, expected.fontHeight);
    EXPECT_STREQ(font.lfFaceName, L"ＭＳ ゴシック");
}

INSTANTIATE_TEST_SUITE_P(Dpi, GeometryTest, ::testing::ValuesIn(Geometries),
                         [](const auto& info) { return std::to_string(info.param.dpi); });

TEST(UiFont, HeightStepsWithTheDpi) {
    const struct {
        int dpi, height;
    } steps[] = {{72, 12},  {96, 12},  {111, 12}, {112, 14}, {120, 14}, {127, 14}, {128, 16},
                 {143, 16}, {144, 18}, {159, 18}, {160, 20}, {192, 20}, {288, 20}};
    for (const auto& step : steps) {
        EXPECT_EQ(UiFontHeight(step.dpi), step.height) << step.dpi << " dpi";
    }
}

TEST(MainWindowSize, ScalesWithTheDpi) {
    const struct {
        int dpi;
        LONG width, height;
    } sizes[] = {{96, 1000, 700}, {120, 1250, 875}, {144, 1500, 1050}, {100, 1041, 729}};
    for (const auto& size : sizes) {
        const SIZE actual = MainWindowSize(size.dpi, Language::Japanese);
        EXPECT_EQ(actual.cx, size.width) << size.dpi << " dpi";
        EXPECT_EQ(actual.cy, size.height) << size.dpi << " dpi";
    }
}

SCROLLINFO ScrollBarState(HWND scrollBar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(scrollBar, SB_CTL, &info);
    return info;
}

// ---- The chart's windows at 96 dpi.

SignalElement Slope(double from, double to, double seconds) {
    SignalElement element;
    element.type = FUNC_SLOPE;
    element.paramCount = 3;
    element.params = {from, to, seconds};
    element.duration = elementDuration(element);
    return element;
}

// A chart the test can watch: it counts the paints the canvas window receives.
class CanvasWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(OpenMainWindow(), nullptr);
        pane_ = &Editor().chart;
        ASSERT_NE(pane_, nullptr);
        paints = 0;
        original = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            pane_->canvasWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
        PumpMessages();
        paints = 0;
    }
    void TearDown() override { CloseMainWindow(); }

    // A list of elements at 10 ms resolution in the ±10 V range, synthesized and shown.
    void ShowSignal(const std::vector<SignalElement>& elements) {
        ShowTestDocument({elements, 0, 0, 0.01});
        PumpMessages();
        paints = 0;
    }

    static LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) {
            ++paints;
        }
        return CallWindowProcW(original, window, message, wParam, lParam);
    }

    static inline WNDPROC original = nullptr;
    static inline int paints = 0;
    CanvasWindow* pane_ = nullptr;
};

// A 32-bit top-down bitmap of the chart's size, with the colour of each pixel readable.
class ChartBitmap {
  public:
    ChartBitmap(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~ChartBitmap() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    ChartBitmap(const ChartBitmap&) = delete;
    ChartBitmap& operator=(const ChartBitmap&) = delete;

    HDC dc() const { return dc_; }
    bool operator==(const ChartBitmap& other) const {
        GdiFlush();
        return std::equal(bits_, bits_ + width_ * height_, other.bits_);
    }

    // As the window system writes colours: 0x00BBGGRR.
    Colour at(int x, int y) const {
        GdiFlush();
        const std::uint32_t pixel = bits_[y * width_ + x];
        return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
    }

    int count(const PixelRect& rect, Colour colour) const {
        int found = 0;
        for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, height_); ++y) {
            for (int x = std::max(rect.left, 0); x < std::min(rect.right, width_); ++x) {
                found += at(x, y) == colour;
            }
        }
        return found;
    }

  private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
    const std::uint32_t* bits_ = nullptr;
};

constexpr Colour TimeGridGrey = 0x00808080;

TEST_F(CanvasWindowTest, PaintsTheDrawListOfTheArithmetic) {
    ShowSignal({Slope(-5, 5, 20)});
    const Canvas& canvas = pane_->canvas;
    const DrawList list = buildDrawList(canvas);
    ASSERT_TRUE(list.showsView);
    ASSERT_TRUE(list.valueAxis);
    ASSERT_EQ(list.traces.size(), 1u);

    ChartBitmap chart(canvas.width, canvas.height);
    SendMessageW(pane_->canvasWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(chart.dc()),
                 PRF_CLIENT);

    // Black outside the frame, away from every text.
    EXPECT_EQ(chart.at(2, 2), Black);
    EXPECT_EQ(chart.at(canvas.width - 2, canvas.height / 2), Black);

    // The white frame, all four sides.
    const PixelRect& frame = list.frame;
    for (int y = frame.top; y < frame.bottom; ++y) {
        EXPECT_EQ(chart.at(frame.left, y), White) << "left side, y " << y;
        EXPECT_EQ(chart.at(frame.right - 1, y), White) << "right side, y " << y;
    }
    for (int x = frame.left; x < frame.right; ++x) {
        EXPECT_EQ(chart.at(x, frame.top), White) << "top side, x " << x;
        EXPECT_EQ(chart.at(x, frame.bottom - 1), White) << "bottom side, x " << x;
    }

    // Dotted grey time lines: some pixels grey, some not.
    ASSERT_FALSE(list.timeGrid.lines.empty());
    for (const LineSegment& line : list.timeGrid.lines) {
        const PixelRect column{line.from.x, line.from.y, line.from.x + 1, line.to.y};
        const int grey = chart.count(column, TimeGridGrey);
        EXPECT_GT(grey, (line.to.y - line.from.y) / 4) << "time line at x " << line.from.x;
        EXPECT_LT(grey, line.to.y - line.from.y) << "time line at x " << line.from.x;
    }

    // Dotted value lines in the darker trace colour.
    const ValueAxis& axis = *list.valueAxis;
    ASSERT_EQ(axis.lines.size(), 11u);
    for (const LineSegment& line : axis.lines) {
        const PixelRect row{line.from.x, line.from.y, line.to.x, line.from.y + 1};
        EXPECT_GT(chart.count(row, axis.pen.colour), 0) << "value line at y " << line.from.y;
        EXPECT_LT(chart.count(row, axis.pen.colour), line.to.x - line.from.x);
    }

    // Every text leaves pixels of its colour inside its rectangle.
    std::vector<TextItem> texts = {list.divisionCaption, axis.caption};
    texts.insert(texts.end(), list.timeGrid.labels.begin(), list.timeGrid.labels.end());
    texts.insert(texts.end(), axis.labels.begin(), axis.labels.end());
    for (const TextItem& text : texts) {
        EXPECT_GT(chart.count(text.rect, text.colour), 0) << text.text;
    }

    // The signal passes through every point of its polyline but the end, which a line leaves
    // unpainted.
    const TracePolyline& trace = list.traces[0];
    ASSERT_GT(trace.points.size(), 1u);
    for (size_t i = 0; i + 1 < trace.points.size(); ++i) {
        const PixelPoint& point = trace.points[i];
        if (point == trace.points.back()) {
            continue;
        }
        EXPECT_EQ(chart.at(point.x, point.y), OutputTraceColour)
            << "point " << i << " at (" << point.x << ", " << point.y << ")";
    }
}

TEST_F(CanvasWindowTest, PaintsBandsClippedStretchesAndTheCursor) {
    ShowSignal({constantElement(12, 10), constantElement(0, 10)});
    pane_->selectedSpans = {{10, 20}};
    pane_->cursorX = timeToX(pane_->canvas, 5);
    const DrawList list = ChartDrawList(*pane_);
    ASSERT_EQ(list.bands.size(), 1u);
    ASSERT_FALSE(list.clipped.empty());
    ASSERT_TRUE(list.cursor);

    ChartBitmap chart(list.width, list.height);
    SendMessageW(pane_->canvasWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(chart.dc()),
                 PRF_CLIENT);
    const PixelRect& band = list.bands[0].rect;
    EXPECT_GT(chart.count(band, ElementBandColour), (band.right - band.left) * 10);
    const PixelPoint& clipped = list.clipped[0].points[0];
    EXPECT_EQ(chart.at(clipped.x, clipped.y), WarningColour);
    const LineSegment& cursor = list.cursor->line;
    EXPECT_EQ(chart.at(cursor.from.x, (cursor.from.y + cursor.to.y) / 2), list.cursor->pen.colour);
    EXPECT_GT(chart.count(list.cursor->readout.rect, list.cursor->readout.colour), 0);
}

TEST_F(CanvasWindowTest, PaintOnScreenMatchesThePrintedChart) {
    ShowSignal({constantElement(2.5, 10), Slope(2.5, -7.5, 12.3)});
    const Canvas& canvas = pane_->canvas;
    InvalidateRect(pane_->canvasWindow, nullptr, FALSE);
    UpdateWindow(pane_->canvasWindow);
    EXPECT_EQ(paints, 1);

    ChartBitmap printed(canvas.width, canvas.height);
    SendMessageW(pane_->canvasWindow, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.dc()),
                 PRF_CLIENT);
    ChartBitmap screen(canvas.width, canvas.height);
    HDC window = GetDC(pane_->canvasWindow);
    BitBlt(screen.dc(), 0, 0, canvas.width, canvas.height, window, 0, 0, SRCCOPY);
    ReleaseDC(pane_->canvasWindow, window);

    EXPECT_TRUE(printed == screen);
}

TEST_F(CanvasWindowTest, EmptyListShowsTheStartUpView) {
    ShowSignal({});
    const Canvas& canvas = pane_->canvas;
    EXPECT_EQ(canvas.viewStart, 0);
    EXPECT_EQ(canvas.viewEnd, 30);
    EXPECT_EQ(canvas.secondsPerDivision, 5);

    const SCROLLINFO info = ScrollBarState(pane_->scrollWindow);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 9999);
    EXPECT_EQ(info.nPage, 10000u);
    EXPECT_EQ(info.nPos, 0);
}

TEST_F(CanvasWindowTest, MouseMovesLeaveTheViewAlone) {
    ShowSignal({constantElement(1, 50)});
    const Canvas before = pane_->canvas;
    SendMessageW(pane_->canvasWindow, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    PumpMessages();
    EXPECT_EQ(pane_->canvas.viewStart, before.viewStart);
    EXPECT_EQ(pane_->canvas.scrollPos, before.scrollPos);
}

// Counts what a view update asks of the window, for comparison with the real one.
struct RecordedEffects final : CanvasEffects {
    int pushes = 0;
    int repaints = 0;
    void pushScrollState(const Canvas&) override { ++pushes; }
    void requestRepaint(const Canvas&) override { ++repaints; }
};

struct ScrollRequest {
    int code;
    int thumb;
};

TEST_F(CanvasWindowTest, ScrollRequestsMoveTheViewAsTheArithmeticSays) {
    ShowSignal({constantElement(1, 100)});
    ASSERT_EQ(pane_->canvas.scrollPage, 3000);
    ASSERT_EQ(pane_->canvas.scrollPos, 6999);
    paints = 0;

    const ScrollRequest requests[] = {
        {SB_LINEUP, 0},   {SB_ENDSCROLL, 0}, {SB_LINEDOWN, 0},      {SB_PAGEUP, 0},
        {SB_PAGEUP, 0},   {SB_PAGEUP, 0},    {SB_PAGEUP, 0},        {SB_LINEUP, 0},
        {SB_TOP, 0},      {SB_PAGEDOWN, 0},  {SB_THUMBTRACK, 1234}, {SB_THUMBPOSITION, 9000},
        {SB_LINEDOWN, 0}, {SB_BOTTOM, 0},    {SB_TOP, 0},           {SB_BOTTOM, 0},
        {9, 0},
    };
    int ignored = 0;
    for (const ScrollRequest& request : requests) {
        Canvas expected = pane_->canvas;
        RecordedEffects effects;
        applyScrollAction(expected, request.code, request.thumb, effects);
        ignored += effects.repaints == 0;

        const int paintsBefore = paints;
        SendMessageW(pane_->stripWindow, WM_HSCROLL, MAKEWPARAM(request.code, request.thumb),
                     reinterpret_cast<LPARAM>(pane_->scrollWindow));
        const Canvas& actual = pane_->canvas;
        SCOPED_TRACE("code " + std::to_string(request.code) + " from position " +
                     std::to_string(expected.scrollPos));
        EXPECT_EQ(actual.viewStart, expected.viewStart);
        EXPECT_EQ(actual.viewEnd, expected.viewEnd);
        EXPECT_EQ(actual.gridAnchor, expected.gridAnchor);
        EXPECT_EQ(actual.scrollPos, expected.scrollPos);
        EXPECT_EQ(actual.scrollPage, expected.scrollPage);
        EXPECT_EQ(paints - paintsBefore, effects.repaints);

        const SCROLLINFO info = ScrollBarState(pane_->scrollWindow);
        EXPECT_EQ(info.nPos, actual.scrollPos);
        EXPECT_EQ(static_cast<int>(info.nPage), actual.scrollPage);
    }
    // The sequence holds requests of both kinds.
    EXPECT_GT(ignored, 3);
    EXPECT_LT(ignored, static_cast<int>(std::size(requests)) - 3);
}

TEST_F(CanvasWindowTest, LineUpFromTheEndOfALongSignal) {
    ShowSignal({constantElement(1, 100)});
    paints = 0;
    SendMessageW(pane_->stripWindow, WM_HSCROLL, MAKEWPARAM(SB_LINEUP, 0),
                 reinterpret_cast<LPARAM>(pane_->scrollWindow));

    EXPECT_EQ(pane_->canvas.scrollPos, 6812);
    EXPECT_NEAR(pane_->canvas.viewStart, 68.12, 1e-9);
    EXPECT_NEAR(pane_->canvas.viewEnd, 98.12, 1e-9);
    EXPECT_EQ(paints, 1);
}

TEST_F(CanvasWindowTest, ScrollRequestsWhileTheSignalFitsCauseNoRepaint) {
    ShowSignal({constantElement(1, 12.3)});
    paints = 0;
    for (int code :
         {SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_TOP, SB_BOTTOM, SB_ENDSCROLL}) {
        SendMessageW(pane_->stripWindow, WM_HSCROLL, MAKEWPARAM(code, 0),
                     reinterpret_cast<LPARAM>(pane_->scrollWindow));
    }
    PumpMessages();
    EXPECT_EQ(paints, 0);
    EXPECT_EQ(pane_->canvas.viewStart, 0);
    EXPECT_EQ(pane_->canvas.viewEnd, 30);
}

// The highest handle-table index among a few fresh GDI objects. Freed entries are reused first,
// so it climbs only while objects stay alive: a leak measure where the system keeps no count.
unsigned FreshHandleIndex() {
    HPEN pens[16];
    unsigned highest = 0;
    for (HPEN& pen : pens) {
        pen = CreatePen(PS_SOLID, 1, 0);
        highest =
            std::max(highest, static_cast<unsigned>(reinterpret_cast<UINT_PTR>(pen) & 0xFFFF));
    }
    for (int i = 15; i >= 0; --i) {
        DeleteObject(pens[i]);
    }
    return highest;
}

void PaintRepeatedly(HWND canvas, int times) {
    for (int i = 0; i < times; ++i) {
        InvalidateRect(canvas, nullptr, FALSE);
        UpdateWindow(canvas);
    }
}

TEST_F(CanvasWindowTest, AThousandPaintsLeaveTheGdiObjectCountUnchanged) {
    ShowSignal({Slope(-5, 5, 20), constantElement(3, 5)});
    const HANDLE self = GetCurrentProcess();
    const DWORD before = GetGuiResources(self, GR_GDIOBJECTS);
    if (before == 0) {
        GTEST_SKIP() << "this system keeps no count of GDI objects";
    }
    PaintRepeatedly(pane_->canvasWindow, 1000);
    EXPECT_EQ(paints, 1000);
    EXPECT_EQ(GetGuiResources(self, GR_GDIOBJECTS), before);
}

TEST_F(CanvasWindowTest, AThousandPaintsLeaveNoGdiObjectAlive) {
    ShowSignal({Slope(-5, 5, 20), constantElement(3, 5)});
    // The measure must notice objects left alive, or the comparison below proves nothing.
    const unsigned start = FreshHandleIndex();
    std::vector<HPEN> kept(300);
    for (HPEN& pen : kept) {
        pen = CreatePen(PS_SOLID, 1, 0);
    }
    const unsigned withKept = FreshHandleIndex();
    for (auto pen = kept.rbegin(); pen != kept.rend(); ++pen) {
        DeleteObject(*pen);
    }
    ASSERT_GE(withKept, start + 250) << "the handle index does not show live objects";

    const unsigned before = FreshHandleIndex();
    PaintRepeatedly(pane_->canvasWindow, 1000);
    EXPECT_EQ(paints, 1000);
    // A paint makes five pens and two fonts; a leak of any would climb by thousands.
    EXPECT_LE(FreshHandleIndex(), before + 50);
}

} // namespace
