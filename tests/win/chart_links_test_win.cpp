#include "tests/win/win_test_support_win.h"

#include "canvas/cursor_readout.h"
#include "canvas/plot_geometry.h"
#include "model/clipping.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/main_controls_win.h"
#include "ui/message_loop_win.h"
#include "ui/text_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Three 10 s elements in the ±10 V range; the second one's 12 V is held at the limit.
class ChartLinksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(OpenMainWindow(), nullptr);
        ShowTestDocument(
            {{constantElement(1, 10), constantElement(12, 10), constantElement(-3, 10)},
             0,
             0,
             0.01});
        PumpMessages();
    }
    void TearDown() override { CloseMainWindow(); }

    CanvasWindow& Chart() { return Editor().chart; }
    HWND List() { return Control(IDC_ELEMENT_LIST); }
    int XOf(double seconds) { return timeToX(Chart().canvas, seconds); }
    int PeriodEntry() {
        return static_cast<int>(SendMessageW(Control(IDC_DISPLAY_PERIOD), CB_GETCURSEL, 0, 0));
    }

    void Click(int x, WPARAM keys = 0) {
        SendMessageW(Chart().canvasWindow, WM_LBUTTONDOWN, keys, MAKELPARAM(x, 100));
    }

    // The wheel reports the mouse in screen coordinates.
    LPARAM ScreenPoint(HWND window, int x, int y) {
        POINT at{x, y};
        ClientToScreen(window, &at);
        return MAKELPARAM(at.x, at.y);
    }
    void Wheel(int notches, WPARAM keys = 0) {
        SendMessageW(Chart().canvasWindow, WM_MOUSEWHEEL,
                     MAKEWPARAM(keys, static_cast<WORD>(notches * WHEEL_DELTA)),
                     ScreenPoint(Chart().canvasWindow, XOf(15), 100));
    }
};

TEST_F(ChartLinksTest, MouseMoveShowsTheReadoutAndRepaintsOnlyItsRectangles) {
    const int x = XOf(5);
    SendMessageW(Chart().canvasWindow, WM_MOUSEMOVE, 0, MAKELPARAM(x, 100));
    EXPECT_EQ(StatusPartText(StatusPart::Readout),
              cursorReadout(Chart().canvas, x, Language::Japanese).text);
    EXPECT_NE(StatusPartText(StatusPart::Readout), "");

    HRGN expected = CreateRectRgn(0, 0, 0, 0);
    for (const PixelRect& r : cursorRepaintRects(Chart().canvas, -1, x)) {
        HRGN part = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        CombineRgn(expected, expected, part, RGN_OR);
        DeleteObject(part);
    }
    HRGN invalid = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(Chart().canvasWindow, invalid, FALSE);
    EXPECT_TRUE(EqualRgn(expected, invalid));
    DeleteObject(expected);
    DeleteObject(invalid);

    SendMessageW(Chart().canvasWindow, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(StatusPartText(StatusPart::Readout), "");
    EXPECT_EQ(Chart().cursorX, -1);
}

TEST_F(ChartLinksTest, ClickSelectsTheElementUnderTheMouseAndCtrlClickAddsIt) {
    Click(XOf(15));
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{1}));
    Click(XOf(25), MK_CONTROL);
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{1, 2}));
    Click(XOf(5));
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{0}));

    PumpMessages();
    EXPECT_EQ(Chart().selectedSpans, (std::vector<ElementSpan>{{0, 10}}));
}

TEST_F(ChartLinksTest, DoubleClickOpensTheEditDialogForTheElement) {
    DialogAnswerer answerer(PressButton(IDC_PARAM_CANCEL));
    SendMessageW(Chart().canvasWindow, WM_LBUTTONDBLCLK, 0, MAKELPARAM(XOf(25), 100));
    EXPECT_EQ(answerer.finish().size(), 1u);
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{2}));
}

TEST_F(ChartLinksTest, SelectingARowShadesItAndShowsItsStart) {
    Wheel(2);
    ASSERT_LT(Chart().canvas.viewEnd, 20);
    SelectRows(2, 1);
    PumpMessages();
    EXPECT_EQ(Chart().selectedSpans, (std::vector<ElementSpan>{{20, 30}}));
    EXPECT_LE(Chart().canvas.viewStart, 20);
    EXPECT_GE(Chart().canvas.viewEnd, 20);
}

TEST_F(ChartLinksTest, WheelNotchesStepThroughThePeriodListAndShiftScrolls) {
    const int start = PeriodEntry();
    Wheel(1);
    EXPECT_EQ(PeriodEntry(), start - 1);
    Wheel(-1);
    EXPECT_EQ(PeriodEntry(), start);

    Wheel(2);
    const double viewStart = Chart().canvas.viewStart;
    Wheel(-1, MK_SHIFT);
    EXPECT_GT(Chart().canvas.viewStart, viewStart);
}

TEST_F(ChartLinksTest, WheelOverTheChartReachesItWhileTheListHasTheFocus) {
    SetFocus(List());
    const auto wheelAt = [this](LPARAM at) {
        MSG message{};
        message.hwnd = List();
        message.message = WM_MOUSEWHEEL;
        message.wParam = MAKEWPARAM(0, WHEEL_DELTA);
        message.lParam = at;
        return message;
    };
    MSG overChart = wheelAt(ScreenPoint(Chart().canvasWindow, XOf(15), 100));
    MSG overList = wheelAt(ScreenPoint(List(), 50, 50));
    TranslateMainMessage(Editor(), nullptr, overChart);
    TranslateMainMessage(Editor(), nullptr, overList);
    EXPECT_EQ(overChart.hwnd, Chart().canvasWindow);
    EXPECT_EQ(overList.hwnd, List());
}

TEST_F(ChartLinksTest, ClippedElementIsMarkedRedAndNamedInTheStatusBar) {
    EXPECT_EQ(StatusPartText(StatusPart::Clipping),
              clippingStatusText({{1, 1000, 10}}, Language::Japanese));
    EXPECT_EQ(ListCellText(List(), 0, 0), "1");
    EXPECT_EQ(ListCellText(List(), 1, 0), "2 !");

    NMLVCUSTOMDRAW draw{};
    draw.nmcd.hdr = {List(), IDC_ELEMENT_LIST, static_cast<UINT>(NM_CUSTOMDRAW)};
    const auto notify = [&](DWORD stage, int row) {
        draw.nmcd.dwDrawStage = stage;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.clrText = Black;
        return SendMessageW(Editor().window, WM_NOTIFY, IDC_ELEMENT_LIST,
                            reinterpret_cast<LPARAM>(&draw));
    };
    EXPECT_EQ(notify(CDDS_PREPAINT, 0), CDRF_NOTIFYITEMDRAW);
    notify(CDDS_ITEMPREPAINT, 1);
    EXPECT_EQ(draw.clrText, WarningColour);
    notify(CDDS_ITEMPREPAINT, 0);
    EXPECT_EQ(draw.clrText, Black);
}

TEST_F(ChartLinksTest, NothingClippedLeavesTheStatusPartEmpty) {
    ShowTestElements({constantElement(1, 10)});
    EXPECT_EQ(StatusPartText(StatusPart::Clipping), "");
}

} // namespace
