// The real QZ57editor.exe in processes of its own, driven by window messages as a user's clicks
// would drive it: a killed editor's work comes back at the next start, and nothing is left
// behind when the work is saved or given up. LOCALAPPDATA points at a folder of the test's own,
// which the editors inherit.
#include "files/settings_file.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/text_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

constexpr char RecoveryQuestion[] = "前回、保存されていない変更がありました。復元しますか?";
constexpr char CloseQuestion[] = "変更を保存しますか?";

fs::path HostPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return fs::path(Widen(path.front() == '\\' ? "Z:" + path : path));
}

const fs::path EditorProgram = HostPath(QZ57_EDITOR);

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A sum of a sine and noise: every kind of line a settings file has.
SignalDocument OneSum() {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 0;
    doc.sampleInterval = 0.01;
    doc.elements.push_back(makeSum(makeElement(FUNC_SIN, {0, 2.5, 1, 45, 5}),
                                   makeElement(FUNC_RANDOM, {0, 0.25, 1234567, 5})));
    return doc;
}

template <typename Condition>
bool Eventually(Condition condition, std::chrono::milliseconds patience = 15s) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

struct Search {
    DWORD process;
    const wchar_t* className;
    HWND found;
};

// A visible top-level window of the process with this class.
HWND WindowOf(DWORD process, const wchar_t* className) {
    Search search{process, className, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (owner == search.process && IsWindowVisible(window) &&
                lstrcmpW(name, search.className) == 0) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One running editor.
class Editor {
  public:
    explicit Editor(const std::wstring& arguments = L"") {
        std::wstring command = L"\"" + EditorProgram.native() + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != 0;
    }
    ~Editor() {
        if (started_) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, 10000);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    Editor(const Editor&) = delete;
    Editor& operator=(const Editor&) = delete;

    HWND main() {
        HWND window = nullptr;
        Eventually([&] { return (window = WindowOf(process_.dwProcessId, L"MYMAIN")) != nullptr; },
                   60s);
        return window;
    }

    // The text of the next message box, which is then answered with button; empty when none
    // came within patience.
    std::string answer(int button, std::chrono::milliseconds patience = 15s) {
        HWND box = nullptr;
        if (!Eventually(
                [&] { return (box = WindowOf(process_.dwProcessId, L"#32770")) != nullptr; },
                patience))
            return {};
        wchar_t text[1024] = {};
        GetWindowTextW(GetDlgItem(box, 0xFFFF), text, 1024);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
        Eventually([&] { return !IsWindow(box); });
        return Narrow(text);
    }

    // A command that opens nothing, done before this returns.
    void command(int id) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(main(), WM_COMMAND, MAKEWPARAM(id, 0), 0, SMTO_BLOCK, 10000, &result);
    }

    // A command or message whose handling asks the user: posted, answered by answer().
    void post(UINT message, WPARAM wParam = 0) { PostMessageW(main(), message, wParam, 0); }

    void kill() {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }

    std::optional<DWORD> exitCode(std::chrono::milliseconds patience = 15s) {
        if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(patience.count())) !=
            WAIT_OBJECT_0)
            return std::nullopt;
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    bool started() const { return started_; }

    // For a failure's message: whether the process still runs.
    std::string state() const {
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code == STILL_ACTIVE ? "running" : "ended with code " + std::to_string(code);
    }

  private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

class RecoveryJourney : public testing::Test {
  protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() / L"qz57 recovery journey";
        fs::remove_all(base_);
        fs::create_directories(base_ / L"作業");
        SetEnvironmentVariableW(L"LOCALAPPDATA", (base_ / L"local").c_str());
        file_ = base_ / L"作業" / L"波形.dat";
        ASSERT_EQ(WriteSettingsFile(file_, OneSum()), WriteResult::Written);
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
        std::error_code error;
        fs::remove_all(base_, error);
    }

    fs::path folder() const { return base_ / L"local" / L"QZ57editor" / L"Recovery"; }

    std::vector<fs::path> filesInFolder(const wchar_t* extension = nullptr) const {
        std::vector<fs::path> files;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder(), error)) {
            if (extension == nullptr || entry.path().extension() == extension)
                files.push_back(entry.path());
        }
        return files;
    }

    bool copyAppears() {
        return Eventually([&] { return filesInFolder(L".qzr").size() == 1; });
    }

    // Starts an editor with the file, dismisses the load's report and changes the document:
    // every element duplicated.
    void openAndEdit(Editor& editor) {
        ASSERT_TRUE(editor.started());
        ASSERT_NE(editor.main(), nullptr) << "the editor " << editor.state();
        EXPECT_EQ(editor.answer(IDOK), "波形設定ファイルを読み込みました。");
        editor.command(IDM_SELECT_ALL);
        editor.command(IDM_DUPLICATE);
    }

    // What the edited document's save writes.
    std::string editedBytes() const {
        SignalDocument doc = OneSum();
        doc.elements.push_back(doc.elements.front());
        return settingsFileText(doc);
    }

    fs::path base_;
    fs::path file_;
};

} // namespace

TEST_F(RecoveryJourney, AKilledEditorsWorkComesBackModifiedAndSavesToItsFile) {
    {
        Editor first(L"\"" + file_.native() + L"\"");
        openAndEdit(first);
        ASSERT_TRUE(copyAppears());
        first.kill();
    }
    EXPECT_EQ(ReadBytes(file_), settingsFileText(OneSum())) << "the file itself is untouched";

    Editor second;
    const std::string question = second.answer(IDYES, 60s);
    EXPECT_NE(question.find(RecoveryQuestion), std::string::npos) << question;
    EXPECT_NE(question.find("波形.dat"), std::string::npos) << question;
    ASSERT_NE(second.main(), nullptr);
    // The restored document is modified: closing asks, and Cancel keeps it.
    second.post(WM_CLOSE);
    EXPECT_EQ(second.answer(IDCANCEL), CloseQuestion);
    // 上書き保存 writes to the original file without asking where.
    second.post(WM_COMMAND, IDM_SAVE_OVER);
    EXPECT_EQ(second.answer(IDOK), "波形設定ファイルを書き出しました。");
    EXPECT_EQ(ReadBytes(file_), editedBytes());
    // Saved: nothing left to recover, and closing asks nothing.
    EXPECT_TRUE(Eventually([&] { return filesInFolder(L".qzr").empty(); }));
    second.post(WM_CLOSE);
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(RecoveryJourney, NoDeletesTheCopy) {
    {
        Editor first(L"\"" + file_.native() + L"\"");
        openAndEdit(first);
        ASSERT_TRUE(copyAppears());
        first.kill();
    }
    Editor second;
    EXPECT_NE(second.answer(IDNO, 60s).find(RecoveryQuestion), std::string::npos);
    ASSERT_NE(second.main(), nullptr);
    EXPECT_TRUE(filesInFolder(L".qzr").empty());
    second.post(WM_CLOSE);
    EXPECT_EQ(second.exitCode(), 0u);
    EXPECT_EQ(ReadBytes(file_), settingsFileText(OneSum()));
}

TEST_F(RecoveryJourney, ClosingWithNoLeavesNothingBehind) {
    Editor editor(L"\"" + file_.native() + L"\"");
    openAndEdit(editor);
    ASSERT_TRUE(copyAppears());
    editor.post(WM_CLOSE);
    EXPECT_EQ(editor.answer(IDNO), CloseQuestion);
    EXPECT_EQ(editor.exitCode(), 0u);
    EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(RecoveryJourney, ASecondEditorLeavesTheFirstOnesCopyAlone) {
    Editor first(L"\"" + file_.native() + L"\"");
    openAndEdit(first);
    ASSERT_TRUE(copyAppears());
    {
        Editor second;
        ASSERT_NE(second.main(), nullptr);
        EXPECT_EQ(second.answer(IDNO, 3s), "") << "the running editor's copy was offered";
        second.post(WM_CLOSE);
        EXPECT_EQ(second.exitCode(), 0u);
    }
    EXPECT_EQ(filesInFolder(L".qzr").size(), 1u);
    first.kill();
}

TEST_F(RecoveryJourney, TheEndOfTheSessionWritesTheCopyBeforeItsAnswer) {
    Editor editor(L"\"" + file_.native() + L"\"");
    openAndEdit(editor);
    DWORD_PTR answer = 0;
    ASSERT_NE(SendMessageTimeoutW(editor.main(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP,
                                  SMTO_BLOCK, 5000, &answer),
              0);
    EXPECT_EQ(answer, TRUE);
    // On disk at the answer, well before the timer's 3 s.
    EXPECT_EQ(filesInFolder(L".qzr").size(), 1u);
    editor.kill();

    // Windows starts the program again with its restart argument: the work comes back at once.
    Editor restarted(L"/recover");
    ASSERT_NE(restarted.main(), nullptr);
    restarted.post(WM_CLOSE);
    EXPECT_EQ(restarted.answer(IDNO, 30s), CloseQuestion);
    EXPECT_EQ(restarted.exitCode(), 0u);
    EXPECT_TRUE(filesInFolder().empty());
}

TEST_F(RecoveryJourney, AnUnreadableCopyIsReportedAndSetAside) {
    fs::create_directories(folder());
    std::ofstream(folder() / L"1-0.qzr", std::ios::binary)
        << "### QZ57 editor recovery copy ###\r\nVER";
    Editor editor;
    const std::string report = editor.answer(IDOK, 60s);
    EXPECT_NE(report.find("復元用のファイルを読み込めませんでした。"), std::string::npos) << report;
    EXPECT_NE(report.find("(2 行目: "), std::string::npos) << report;
    ASSERT_NE(editor.main(), nullptr);
    EXPECT_EQ(editor.answer(IDNO, 2s), "") << "a question after the report";
    EXPECT_TRUE(fs::exists(folder() / L"1-0.qzr.bad"));
    EXPECT_TRUE(filesInFolder(L".qzr").empty());
    editor.post(WM_CLOSE);
    EXPECT_EQ(editor.exitCode(), 0u);
}
