#include "tests/win/win_test_support_win.h"

#include "files/settings_file.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/app_state_win.h"
#include "ui/main_controls_win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// Taken before any test changes the current folder.
const fs::path Golden = fs::absolute(QZ57_GOLDEN_DIR);

constexpr char Completion[] = "CSVファイルを書き出しました。\r\n"
                              "再現出力を実行するには、SDカード内の指定フォルダに格納する必要が"
                              "あります。";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The export runs in a folder of its own, which is also the current folder, so nothing the
// dialog might write lands elsewhere.
class ExportCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("qz57_export_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        previous_ = fs::current_path();
        fs::current_path(folder_);
        ASSERT_NE(OpenMainWindow(), nullptr);
    }
    void TearDown() override {
        CloseMainWindow();
        fs::current_path(previous_);
        fs::remove_all(folder_);
    }

    // One element at 10 ms resolution in the ±10 V range, synthesized into the chart's trace.
    static void ShowConstant(double value, double seconds) {
        ShowTestDocument({{constantElement(value, seconds)}, 0, 0, 0.01});
    }

    static std::vector<SeenDialog> Export(std::vector<DialogAction> answers) {
        DialogAnswerer answer(std::move(answers));
        SendMessageW(Editor().window, WM_COMMAND, IDM_EXPORT_CSV, 0);
        return answer.finish();
    }

    fs::path folder_;
    fs::path previous_;
};

constexpr char OneConstantFile[] = "AI1,\x81\x7d"
                                   "10[V]\r\n"
                                   "2020/1/1,0:00:00.00,1.5000\r\n"
                                   "2020/1/1,0:00:10.00,1.5000\r\n";

TEST_F(ExportCommandTest, WritesTheChosenFileAndReportsCompletion) {
    ShowConstant(1.5, 10);
    const fs::path file = folder_ / "signal.csv";
    const auto seen = Export({ChooseFile(file), PressButton(IDOK)});

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].title, "出力完了");
    EXPECT_EQ(seen[1].text, Completion);
    EXPECT_EQ(ReadFile(file), OneConstantFile);
}

TEST_F(ExportCommandTest, OffersTheInstrumentsFileName) {
    ShowConstant(1.5, 10);
    const auto seen = Export({PressButton(IDCANCEL)});

    ASSERT_EQ(seen.size(), 1u);
    bool offered = false;
    for (const auto& [id, text] : seen[0].controlTexts) {
        offered = offered || text == "00000000.csv";
    }
    EXPECT_TRUE(offered);
}

TEST_F(ExportCommandTest, CancelWritesNothingAndSaysNothing) {
    ShowConstant(1.5, 10);
    const auto seen = Export({PressButton(IDCANCEL), PressButton(IDOK)});

    EXPECT_EQ(seen.size(), 1u);
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(ExportCommandTest, ANewNameWithoutExtensionGetsCsv) {
    ShowConstant(1.5, 10);
    const auto seen = Export({ChooseFile(folder_ / "replay"), PressButton(IDOK)});

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(ReadFile(folder_ / "replay.csv"), OneConstantFile);
}

TEST_F(ExportCommandTest, WritesIntoAFolderWithAJapaneseName) {
    ShowConstant(1.5, 10);
    const fs::path japanese = folder_ / fs::path(L"出力データ");
    fs::create_directories(japanese);
    const fs::path file = japanese / fs::path(L"再現信号.csv");
    const auto seen = Export({ChooseFile(file), PressButton(IDOK)});

    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].title, "出力完了");
    EXPECT_EQ(ReadFile(file), OneConstantFile);
}

TEST_F(ExportCommandTest, AFileThatCannotBeReplacedIsReportedAndKept) {
    ShowConstant(1.5, 10);
    const fs::path file = folder_ / "locked.csv";
    std::ofstream(file, std::ios::binary) << "previous";
    // Held open without sharing, as another program holding the file would.
    const HANDLE holder =
        CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    const auto seen = Export({ChooseFile(file), PressButton(IDYES), PressButton(IDOK)});
    CloseHandle(holder);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].title, "エラー");
    EXPECT_TRUE(seen[2].text == "ファイルを開けませんでした。" ||
                seen[2].text == "ファイルの書き込みに失敗しました。")
        << seen[2].text;
    EXPECT_EQ(ReadFile(file), "previous");
}

TEST_F(ExportCommandTest, AReadOnlyFileIsRefusedAndKept) {
    ShowConstant(1.5, 10);
    const fs::path file = folder_ / "readonly.csv";
    std::ofstream(file, std::ios::binary) << "previous";
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));

    const auto seen = Export({ChooseFile(file), PressButton(IDYES), PressButton(IDOK)});
    // Writable again, so that the folder can be removed.
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].title, "エラー");
    EXPECT_EQ(seen[2].text, "ファイルを開けませんでした。");
    EXPECT_EQ(ReadFile(file), "previous");
}

// The export's refusals come from the format; here, that they reach the user before any dialog.
TEST_F(ExportCommandTest, RefusalsAreReportedBeforeAnyDialog) {
    struct Refusal {
        SignalDocument document;
        const char* message;
    };
    SignalDocument unchosen;
    unchosen.elements = {constantElement(1, 1)};
    const Refusal refusals[] = {{SignalDocument{}, "出力できるデータがありません。"},
                                {unchosen, "出力レンジと分解能を選択してください。"}};
    for (const Refusal& refusal : refusals) {
        ShowTestDocument(refusal.document);
        const auto seen = Export({PressButton(IDOK), PressButton(IDCANCEL)});

        ASSERT_EQ(seen.size(), 1u) << refusal.message;
        EXPECT_EQ(seen[0].title, "エラー");
        EXPECT_EQ(seen[0].text, refusal.message);
    }
    EXPECT_TRUE(fs::is_empty(folder_));
}

// The files of the formats' golden set, loaded and exported the way the user does it.
TEST_F(ExportCommandTest, ReproducesTheGoldenFilesByteForByte) {
    for (const char* name : {"functions_10ms", "current_1ms"}) {
        SignalDocument loaded;
        const fs::path settings = Golden / (std::string(name) + ".dat");
        ASSERT_TRUE(ReadSettingsFile(settings, loaded).ok()) << name;
        ShowTestDocument(loaded);

        for (int round = 1; round <= 2; ++round) {
            const fs::path file = folder_ / (std::string(name) + std::to_string(round) + ".csv");
            const auto seen = Export({ChooseFile(file), PressButton(IDOK)});
            ASSERT_EQ(seen.size(), 2u) << name;
            EXPECT_EQ(seen[1].title, "出力完了") << name;

            const std::string written = ReadFile(file);
            const std::string expected = ReadFile(Golden / (std::string(name) + ".csv"));
            ASSERT_FALSE(expected.empty()) << name;
            const auto [mismatch, unused] =
                std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
            EXPECT_TRUE(mismatch == written.end() && written.size() == expected.size())
                << name << ".csv differs on line "
                << std::count(written.begin(), mismatch, '\n') + 1;
        }
        EXPECT_EQ(settingsFileText(Editor().model.document()), ReadFile(settings)) << name;
    }
}

} // namespace
