// The main window's wiring of its recovery copy: the one spot where the document changes starts
// the timer, undo back to the saved state and 終了 delete the copy, and a folder that cannot be
// written is said once in the status bar.
#include "tests/win/win_test_support_win.h"

#include "model/document_step.h"
#include "model/texts.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/editor_refresh_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr char Unavailable[] = "復元用の保存ができません";

SignalDocument TwoConstants() {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 0;
    doc.sampleInterval = 0.01;
    doc.elements = {constantElement(1, 1), constantElement(2, 1)};
    return doc;
}

int CopiesOnDisk() {
    int copies = 0;
    std::error_code error;
    for (const auto& entry :
         fs::directory_iterator(TestLocalAppData() / L"QZ57editor" / L"Recovery", error))
        copies += entry.path().extension() == L".qzr" ? 1 : 0;
    return copies;
}

// Runs the window's messages until the condition holds, at most patience.
template <typename Condition>
bool PumpUntil(Condition condition, std::chrono::milliseconds patience = 10s) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        PumpMessages();
        std::this_thread::sleep_for(20ms);
    }
    return true;
}

class EditorRecoveryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(OpenMainWindow(), nullptr);
        ShowTestDocument(TwoConstants());
    }
    void TearDown() override { CloseMainWindow(); }

    void edit() {
        ASSERT_TRUE(
            ApplyStep(Editor(), appendElement(Editor().model.document(), constantElement(3, 1))));
    }
};

} // namespace

TEST_F(EditorRecoveryTest, AnEditIsCopiedAMomentLaterAndUndoToTheFileDeletesTheCopy) {
    EXPECT_EQ(CopiesOnDisk(), 0);
    const auto edited = std::chrono::steady_clock::now();
    edit();
    ASSERT_TRUE(PumpUntil([] { return CopiesOnDisk() == 1; }));
    EXPECT_GE(std::chrono::steady_clock::now() - edited, 2500ms) << "written before the quiet";

    SendMessageW(Editor().window, WM_COMMAND, IDM_UNDO, 0);
    EXPECT_FALSE(Editor().model.modified());
    EXPECT_TRUE(PumpUntil([] { return CopiesOnDisk() == 0; }));
}

TEST_F(EditorRecoveryTest, ExitDeletesTheCopy) {
    edit();
    EXPECT_EQ(SendMessageW(Editor().window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
    ASSERT_EQ(CopiesOnDisk(), 1);
    DialogAnswerer answerer(PressButton(IDYES));
    SendMessageW(Editor().window, WM_COMMAND, IDM_EXIT, 0);
    EXPECT_EQ(answerer.finish().size(), 1u);
    EXPECT_TRUE(PumpUntil([] { return CopiesOnDisk() == 0; }));
}

TEST_F(EditorRecoveryTest, AFolderThatCannotBeWrittenIsSaidOnceInTheStatusBar) {
    // A file where the program's folder would go.
    fs::create_directories(TestLocalAppData());
    std::ofstream(TestLocalAppData() / L"QZ57editor") << "not a folder";
    edit();
    SendMessageW(Editor().window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP);
    EXPECT_TRUE(PumpUntil([] { return StatusPartText(StatusPart::Readout) == Unavailable; }));
    EXPECT_EQ(text(TextId::StatusRecoveryUnavailable, Language::Japanese), Unavailable);

    Editor().controls.statusBar.setText(StatusPart::Readout, "");
    edit();
    SendMessageW(Editor().window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP);
    PumpUntil([] { return false; }, 500ms);
    EXPECT_EQ(StatusPartText(StatusPart::Readout), "") << "said a second time";
    EXPECT_TRUE(Editor().model.modified()) << "editing goes on";
}
