// Every text of the main window fits its control, at 96 and at 144 dpi.
#include "tests/win/text_fit_win.h"
#include "tests/win/win_test_support_win.h"

#include <gtest/gtest.h>

namespace {

class TextFit : public ::testing::TestWithParam<int> {
  protected:
    void TearDown() override { CloseMainWindow(); }
};

TEST_P(TextFit, MainWindow) {
    HWND window = OpenMainWindow(GetParam());
    EXPECT_EQ(TextsWiderThanTheirControls(window), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Dpi, TextFit, ::testing::Values(96, 144));

} // namespace
