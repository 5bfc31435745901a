// The status bar's measurements follow the selection, and a reference opened from the File menu
// is drawn in grey under the signal with its largest difference beside them.
#include "canvas/plot_geometry.h"
#include "canvas/reference_chart.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "tests/win/win_test_support_win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

void Command(int id) {
    SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

// The colour on screen at a point of the chart.
COLORREF ChartPixel(int x, int y) {
    HDC chart = GetDC(Editor().chart.canvasWindow);
    const COLORREF colour = GetPixel(chart, x, y);
    ReleaseDC(Editor().chart.canvasWindow, chart);
    return colour;
}

class MeasureReference : public ::testing::Test {
  protected:
    void SetUp() override {
        OpenMainWindow();
        // 1, 1, -3 and 4 V, a second each.
        ShowTestDocument({{constantElement(1, 1), constantElement(1, 1), constantElement(-3, 1),
                           constantElement(4, 1)},
                          0,
                          2,
                          1});
    }
    void TearDown() override { CloseMainWindow(); }
};

} // namespace

TEST_F(MeasureReference, TheStatusBarMeasuresTheSelectionOrTheWholeSignal) {
    EXPECT_EQ(StatusPartText(StatusPart::Measures),
              "全体 00:00.000–00:04.000 (4.000 秒): 最小 -3.0000  最大 4.0000  平均 0.7500  "
              "実効値 2.5981 V");
    SelectRow(1);
    SelectRow(2);
    PumpMessages();
    EXPECT_EQ(StatusPartText(StatusPart::Measures),
              "選択 00:01.000–00:03.000 (2.000 秒): 最小 -3.0000  最大 1.0000  平均 -1.0000  "
              "実効値 2.2361 V");
    EXPECT_EQ(StatusPartText(StatusPart::Reference), "");
}

TEST_F(MeasureReference, AReferenceIsDrawnInGreyUnderTheSignalUntilClosed) {
    const fs::path file = fs::temp_directory_path() / L"参照.pwl";
    std::ofstream(file, std::ios::binary) << "0 -5\n4 -5\n";
    DialogAnswerer answerer(ChooseFile(file));
    Command(IDM_OPEN_REFERENCE);
    EXPECT_EQ(answerer.finish().size(), 1u);
    ASSERT_TRUE(Editor().reference);
    EXPECT_EQ(StatusPartText(StatusPart::Reference), "参照との最大差 9.0000 V (00:00:03.000)");

    const Canvas& canvas = Editor().chart.canvas;
    const int x = timeToX(canvas, 2.5);
    const int y = clampedValueToY(canvas, canvas.trace, -5);
    EXPECT_EQ(ChartPixel(x, y), ReferenceColour);
    // Loading another document keeps it; closing it takes it away.
    ShowTestDocument({{constantElement(2, 10)}, 0, 2, 1});
    EXPECT_EQ(ChartPixel(x, y), ReferenceColour);
    Command(IDM_CLOSE_REFERENCE);
    EXPECT_FALSE(Editor().reference);
    EXPECT_NE(ChartPixel(x, y), ReferenceColour);
    EXPECT_EQ(StatusPartText(StatusPart::Reference), "");
    fs::remove(file);
}
