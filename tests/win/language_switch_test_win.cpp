// Help > Language: the editor changes its texts at once and remembers the choice; English texts
// fit their controls at 96 and 144 dpi.
#include "files/app_settings.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "tests/win/text_fit_win.h"
#include "tests/win/win_test_support_win.h"
#include "ui/language_win.h"
#include "ui/main_layout.h"
#include "ui/text_win.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace {

std::string MenuText(HMENU menu, UINT item, UINT by) {
    wchar_t buffer[128] = {};
    GetMenuStringW(menu, item, buffer, 128, by);
    return Narrow(buffer);
}

std::string ComboEntry(int id, int entry) {
    wchar_t buffer[128] = {};
    SendMessageW(Control(id), CB_GETLBTEXT, static_cast<WPARAM>(entry),
                 reinterpret_cast<LPARAM>(buffer));
    return Narrow(buffer);
}

std::string HeaderText(int column) {
    wchar_t buffer[64] = {};
    HDITEMW item{};
    item.mask = HDI_TEXT;
    item.pszText = buffer;
    item.cchTextMax = 64;
    Header_GetItem(ListView_GetHeader(Control(IDC_ELEMENT_LIST)), column, &item);
    return Narrow(buffer);
}

void Choose(UINT command) {
    SendMessageW(Editor().window, WM_COMMAND, command, 0);
    PumpMessages();
}

class LanguageSwitch : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override { std::filesystem::remove(AppSettingsPath()); }
    void TearDown() override {
        CloseMainWindow();
        std::filesystem::remove(AppSettingsPath());
    }
};

TEST_F(LanguageSwitch, TheMenuChangesEveryTextAtOnceAndTheNextStartRemembersIt) {
    HWND window = OpenMainWindow();
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 0;
    doc.sampleInterval = 0.01;
    doc.elements = {constantElement(1.5, 2)};
    ShowTestDocument(doc);
    HMENU bar = GetMenu(window);
    HMENU help = GetSubMenu(bar, 3);
    HMENU languages = GetSubMenu(help, GetMenuItemCount(help) - 1);
    EXPECT_EQ(MenuText(help, 2, MF_BYPOSITION), "言語 (Language)");
    EXPECT_TRUE(GetMenuState(languages, IDM_LANGUAGE_JAPANESE, MF_BYCOMMAND) & MF_CHECKED);
    const RECT chart = RectInParent(Editor().chart.canvasWindow);

    Choose(IDM_LANGUAGE_ENGLISH);
    EXPECT_EQ(WindowText(window), "QZ-570 series Signal Editor");
    EXPECT_EQ(MenuText(bar, 0, MF_BYPOSITION), "&File");
    EXPECT_EQ(MenuText(bar, 1, MF_BYPOSITION), "&Edit");
    EXPECT_EQ(MenuText(bar, 2, MF_BYPOSITION), "&Generate");
    EXPECT_EQ(MenuText(bar, 3, MF_BYPOSITION), "&Help");
    EXPECT_EQ(MenuText(bar, IDM_GENERATE_DIPS, MF_BYCOMMAND), "&Dips and interruptions...");
    EXPECT_EQ(MenuText(bar, IDM_SAVE_OVER, MF_BYCOMMAND), "&Save\tCtrl+S");
    EXPECT_EQ(MenuText(bar, IDM_IMPORT, MF_BYCOMMAND), "Import waveform data...\tCtrl+I");
    EXPECT_TRUE(GetMenuState(languages, IDM_LANGUAGE_ENGLISH, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(languages, IDM_LANGUAGE_JAPANESE, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(WindowText(Control(IDC_LABEL_OUTPUT_RANGE)), "Output range");
    EXPECT_EQ(WindowText(Control(IDC_LABEL_RESOLUTION)), "Resolution / max time");
    EXPECT_EQ(WindowText(Control(IDC_LABEL_DISPLAY_PERIOD)), "Display period");
    EXPECT_EQ(WindowText(Control(IDC_APPEND)), "Append");
    EXPECT_EQ(WindowText(Control(IDC_INSERT)), "Insert");
    EXPECT_EQ(WindowText(Control(IDC_EDIT)), "Edit");
    EXPECT_EQ(WindowText(Control(IDC_DELETE)), "Delete");
    EXPECT_EQ(HeaderText(3), "Parameters");
    EXPECT_EQ(ListCellText(Control(IDC_ELEMENT_LIST), 0, 1), "Constant");
    EXPECT_EQ(ListCellText(Control(IDC_ELEMENT_LIST), 0, 3), "value=1.5000, duration=2.000 s");
    EXPECT_EQ(ComboEntry(IDC_DISPLAY_PERIOD, 4), "30 s");
    EXPECT_EQ(StatusPartText(StatusPart::Counts), "Elements: 1 / samples: 201");
    EXPECT_EQ(RectInParent(Editor().chart.canvasWindow).left, chart.left);
    EXPECT_EQ(RectInParent(Editor().chart.canvasWindow).right, chart.right);
    EXPECT_EQ(loadAppSettings(AppSettingsPath()).language, Language::English);
    EXPECT_EQ(StartLanguage(), Language::English);

    // The parameter dialog opens in the language in use.
    DialogAnswerer answer(PressButton(IDC_PARAM_CANCEL));
    SendMessageW(window, WM_COMMAND, IDC_APPEND, 0);
    const std::vector<SeenDialog> seen = answer.finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "Parameters");
    EXPECT_EQ(seen[0].controlTexts.at(IDC_TYPE_LABEL), "Waveform type:");
    EXPECT_EQ(seen[0].controlTexts.at(IDC_PARAM_CANCEL), "Cancel");

    Choose(IDM_LANGUAGE_JAPANESE);
    EXPECT_EQ(WindowText(window), "QZ-570 series Singal Editor");
    EXPECT_EQ(MenuText(bar, 0, MF_BYPOSITION), "ファイル");
    EXPECT_EQ(WindowText(Control(IDC_LABEL_OUTPUT_RANGE)), "出力レンジ");
    EXPECT_EQ(ListCellText(Control(IDC_ELEMENT_LIST), 0, 1), "固定値");
    EXPECT_EQ(StartLanguage(), Language::Japanese);
}

TEST_P(LanguageSwitch, EnglishTextsFitTheirControls) {
    HWND window = OpenMainWindow(GetParam());
    Choose(IDM_LANGUAGE_ENGLISH);
    EXPECT_EQ(TextsWiderThanTheirControls(window), std::vector<std::string>{});
}

// Every English field label, in the longest unit (mV).
TEST_F(LanguageSwitch, EnglishParameterDialogTextsFitTheirControls) {
    HWND window = OpenMainWindow();
    SignalDocument doc;
    doc.rangeCode = 1;
    doc.resolutionCode = 0;
    doc.sampleInterval = 0.01;
    ShowTestDocument(doc);
    Choose(IDM_LANGUAGE_ENGLISH);
    // One dialog per type: a second choice of type in one dialog would ask a question first.
    for (int entry = 0; entry <= 7; ++entry) {
        std::vector<std::string> cut{"not measured"};
        DialogAnswerer answer([&cut, entry](HWND dialog) {
            HWND types = GetDlgItem(dialog, IDC_TYPE);
            SendMessageW(types, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_TYPE, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(types));
            cut = TextsWiderThanTheirControls(dialog);
            PressButton(IDC_PARAM_CANCEL)(dialog);
        });
        SendMessageW(window, WM_COMMAND, IDC_APPEND, 0);
        EXPECT_EQ(answer.finish().size(), 1u) << entry;
        EXPECT_EQ(cut, std::vector<std::string>{}) << entry;
    }
}

INSTANTIATE_TEST_SUITE_P(Dpi, LanguageSwitch, ::testing::Values(96, 144));

} // namespace
