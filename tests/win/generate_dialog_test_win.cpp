// The Generate menu and Edit > Repeat through the main window: each item opens the dialog with
// its generator, OK inserts the elements as one step and selects them, Cancel changes nothing.
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "tests/win/text_fit_win.h"
#include "tests/win/win_test_support_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char Title[] = "信号生成";

void Command(int id) {
    SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool Shown(HWND dialog, int id) {
    return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE;
}

std::size_t ElementCount() {
    return Editor().model.document().elements.size();
}

class GenerateDialog : public ::testing::Test {
  protected:
    void SetUp() override { OpenMainWindow(); }
    void TearDown() override { CloseMainWindow(); }
};

} // namespace

TEST_F(GenerateDialog, EachMenuItemOpensItWithItsGeneratorAndCancelChangesNothing) {
    ShowTestDocument({{constantElement(1, 1)}, 0, 0, 0.01});
    const std::size_t steps = Editor().model.history().undoCount();
    const char* names[] = {"階段", "掃引正弦波", "数式", "始動波形", "ディップと瞬停"};
    for (int kind = 0; kind < 5; ++kind) {
        ASSERT_TRUE(RunInDialog(
            Title, [kind] { Command(IDM_GENERATE_STAIRCASE + kind); },
            [&](HWND dialog) {
                EXPECT_EQ(ItemText(dialog, IDC_GENERATE_KIND), names[kind]);
                EXPECT_EQ(Shown(dialog, IDC_GENERATE_FORMULA), kind == 2);
                EXPECT_EQ(Shown(dialog, IDC_GENERATE_UP_AND_DOWN), kind == 0);
                EXPECT_EQ(Shown(dialog, IDC_GENERATE_TOLERANCE), kind == 1 || kind == 2);
                EXPECT_FALSE(ItemEnabled(dialog, IDC_GENERATE_RANGE));
                EXPECT_TRUE(ItemEnabled(dialog, IDOK)) << ItemText(dialog, IDC_GENERATE_SUMMARY);
                ClickItem(dialog, IDCANCEL);
            }));
    }
    EXPECT_EQ(ElementCount(), 1u);
    EXPECT_EQ(Editor().model.history().undoCount(), steps);
}

TEST_F(GenerateDialog, OkInsertsBeforeTheSelectedRowAsOneStepAndCtrlGOpensItAgain) {
    ShowTestDocument({{constantElement(4, 1), constantElement(20, 1)}, 2, 0, 0.01});
    SelectRows(1, 1);
    constexpr int Dwell = IDC_GENERATE_FIELD_FIRST + 3;
    ASSERT_TRUE(RunInDialog(
        Title, [] { Command(IDM_GENERATE_STAIRCASE); },
        [&](HWND dialog) {
            ClickItem(dialog, IDC_GENERATE_UP_AND_DOWN);
            EXPECT_NE(ItemText(dialog, IDC_GENERATE_SUMMARY).find("作成要素数: 9"),
                      std::string::npos);
            TypeInto(dialog, Dwell, "x");
            EXPECT_FALSE(ItemEnabled(dialog, IDOK));
            EXPECT_NE(
                ItemText(dialog, IDC_GENERATE_SUMMARY).find("保持時間[秒]: 数値ではありません"),
                std::string::npos);
            TypeInto(dialog, Dwell, "2");
            ClickItem(dialog, IDOK);
        }));
    // A 4-20 mA loop check up and down before the second row, selected.
    ASSERT_EQ(ElementCount(), 11u);
    EXPECT_EQ(Editor().model.document().elements[5].params[0], 20.0);
    EXPECT_EQ(ListSelectedRows(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    Command(IDM_UNDO);
    EXPECT_EQ(ElementCount(), 2u);

    ASSERT_TRUE(RunInDialog(
        Title, [] { Command(IDM_GENERATE_AGAIN); },
        [&](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, IDC_GENERATE_KIND), "階段");
            EXPECT_EQ(ItemText(dialog, Dwell), "2");
            ClickItem(dialog, IDCANCEL);
        }));
}

TEST_F(GenerateDialog, RepeatOfThreeRowsMakesThreeRowsForEachTime) {
    ShowTestDocument({{constantElement(1, 1), constantElement(2, 1), constantElement(3, 1),
                       constantElement(4, 1)},
                      0,
                      0,
                      0.01});
    SelectRows(0, 3);
    ASSERT_TRUE(RunInDialog(
        "繰り返し", [] { Command(IDM_REPEAT); },
        [](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, IDC_REPEAT_COUNT), "2");
            TypeInto(dialog, IDC_REPEAT_COUNT, "1");
            EXPECT_FALSE(ItemEnabled(dialog, IDOK));
            TypeInto(dialog, IDC_REPEAT_COUNT, "4");
            ClickItem(dialog, IDOK);
        }));
    EXPECT_EQ(ElementCount(), 4u + 3 * 3);
    EXPECT_EQ(ListSelectedRows().size(), 12u);
    EXPECT_EQ(Editor().model.document().elements[12].params[0], 4.0);
    Command(IDM_UNDO);
    EXPECT_EQ(ElementCount(), 4u);
}

TEST_F(GenerateDialog, SpeaksEnglishAndItsLabelsFit) {
    Command(IDM_LANGUAGE_ENGLISH);
    for (int kind = 0; kind < 5; ++kind) {
        ASSERT_TRUE(RunInDialog(
            "Generate", [kind] { Command(IDM_GENERATE_STAIRCASE + kind); },
            [&](HWND dialog) {
                if (kind == 0) {
                    EXPECT_EQ(ItemText(dialog, IDC_GENERATE_LABEL_FIRST + 3), "Dwell [s]");
                    EXPECT_EQ(ItemText(dialog, IDCANCEL), "Cancel");
                }
                EXPECT_EQ(TextsWiderThanTheirControls(dialog), std::vector<std::string>{});
                ClickItem(dialog, IDCANCEL);
            }));
    }
    Command(IDM_LANGUAGE_JAPANESE);
}
