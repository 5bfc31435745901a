// Saving and loading settings through the real file dialogs, answered from the test.
#include "tests/win/win_test_support_win.h"

#include "files/settings_file.h"
#include "model/list_rows.h"
#include "model/synthesis.h"
#include "model/tables.h"
#include "resources/resource.h"
#include "tests/support/element_builders.h"
#include "ui/app_state_win.h"
#include "ui/main_controls_win.h"
#include "ui/text_win.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr auto ShortPatience = std::chrono::milliseconds(1500);

constexpr const char* LoadQuestion = "現在編集中のデータは失われますがよろしいですか?";
constexpr const char* InvalidContent = "波形設定ファイルの内容が不正です。";

// Paths that CMake gives in the build machine's form; Wine shows that file system as drive Z.
fs::path HostPath(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return fs::path(Widen(path.front() == '\\' ? "Z:" + path : path));
}

const fs::path Golden = HostPath(QZ57_GOLDEN_DIR);
const fs::path Qz57 = HostPath(QZ57_CLI);

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// What `qz57 check` prints of a settings file, lines without their ends.
std::vector<std::string> Qz57Check(const fs::path& settings) {
    const fs::path output = fs::temp_directory_path() / L"qz57_check_output.txt";
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = out;
    std::wstring command = L"\"" + Qz57.wstring() + L"\" check \"" + settings.wstring() + L"\"";
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    if (started) {
        WaitForSingleObject(process.hProcess, 60000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(out);
    std::vector<std::string> lines;
    std::string line;
    std::ifstream in(output, std::ios::binary);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    in.close();
    fs::remove(output);
    return lines;
}

// Everything a load may change, to see that a failed one changed nothing.
struct WindowState {
    int rangeCode, resolutionCode;
    double sampleInterval;
    ElementList elements;
    int rangeEntry, resolutionEntry;
    std::vector<std::string> rows;
    std::vector<SamplePoint> points;
    double minValue, maxValue;
    std::string unit;
    double viewStart, viewEnd;

    bool operator==(const WindowState& other) const {
        const auto samePoints = std::equal(
            points.begin(), points.end(), other.points.begin(), other.points.end(),
            [](SamplePoint a, SamplePoint b) { return a.time == b.time && a.value == b.value; });
        return rangeCode == other.rangeCode && resolutionCode == other.resolutionCode &&
               sampleInterval == other.sampleInterval && elements == other.elements &&
               rangeEntry == other.rangeEntry && resolutionEntry == other.resolutionEntry &&
               rows == other.rows && samePoints && minValue == other.minValue &&
               maxValue == other.maxValue && unit == other.unit && viewStart == other.viewStart &&
               viewEnd == other.viewEnd;
    }
};

class SettingsCommands : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(OpenMainWindow(), nullptr);
        folder_ = fs::temp_directory_path() / L"qz57_settings_commands";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        CloseMainWindow();
        fs::remove_all(folder_);
    }

    fs::path Place(const char* name) const { return folder_ / name; }

    // A copy of a golden file where the file dialog can reach it.
    fs::path GoldenCopy(const std::string& name) const {
        const fs::path copy = folder_ / (name + ".dat");
        fs::copy_file(Golden / (name + ".dat"), copy, fs::copy_options::overwrite_existing);
        return copy;
    }

    static void Command(int id) { SendMessageW(Editor().window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    static int Selection(int comboId) {
        return static_cast<int>(SendMessageW(Control(comboId), CB_GETCURSEL, 0, 0));
    }

    static std::string CellText(int row, int column) {
        return ListCellText(Control(IDC_ELEMENT_LIST), row, column);
    }

    // The list view's rows as `qz57 check` lists them.
    static std::vector<std::string> Rows() {
        std::vector<std::string> rows;
        const int count =
            static_cast<int>(SendMessageW(Control(IDC_ELEMENT_LIST), LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            // Without the mark of an element whose samples clip: qz57 check reports those on
            // warning lines of their own.
            std::string number = CellText(row, 0);
            if (number.ends_with(" !"))
                number.resize(number.size() - 2);
            char line[1024];
            std::snprintf(line, sizeof line, "%4s  %s  %s  %s", number.c_str(),
                          CellText(row, 2).c_str(), CellText(row, 1).c_str(),
                          CellText(row, 3).c_str());
            rows.push_back(line);
        }
        return rows;
    }

    static WindowState State() {
        std::vector<SamplePoint> points;
        for (int i = 0; i < Editor().model.samples().pointCount(); ++i)
            points.push_back(Editor().model.samples().pointAt(i));
        return {Editor().model.document().rangeCode,
                Editor().model.document().resolutionCode,
                Editor().model.document().sampleInterval,
                Editor().model.document().elements,
                Selection(IDC_OUTPUT_RANGE),
                Selection(IDC_RESOLUTION),
                Rows(),
                points,
                Editor().chart.outputTrace->minValue,
                Editor().chart.outputTrace->maxValue,
                Editor().chart.outputTrace->unit,
                Editor().chart.canvas.viewStart,
                Editor().chart.canvas.viewEnd};
    }

    // The document of a golden file, shown as after the parameter dialog's OKs.
    static void ShowGolden(const std::string& name) {
        SignalDocument golden;
        ASSERT_TRUE(ReadSettingsFile(Golden / (name + ".dat"), golden).ok());
        ShowTestDocument(golden);
    }

    // ±100 mV at 100 ms with two elements: what a failed load must leave alone.
    static void ShowEdited() {
        ShowTestDocument({{constantElement(50, 2.5), constantElement(-20, 1)}, 1, 1, 0.1});
    }

    fs::path folder_;
};

std::string FileNameBoxText(const SeenDialog& dialog) {
    for (int id : {0x47C, 0x480}) {
        const auto found = dialog.controlTexts.find(id);
        if (found != dialog.controlTexts.end() && !found->second.empty())
            return found->second;
    }
    return {};
}

TEST_F(SettingsCommands, SaveWithAnEmptyListRefuses) {
    DialogAnswerer answerer({PressButton(IDOK), PressButton(IDCANCEL)}, ShortPatience);
    Command(IDM_SAVE_SETTINGS);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "エラー");
    EXPECT_EQ(seen[0].text, "出力できるデータがありません。");
}

TEST_F(SettingsCommands, SaveWritesTheGoldenBytes) {
    for (const std::string name : {"functions_10ms", "current_1ms"}) {
        ShowGolden(name);
        const fs::path saved = Place("saved.dat");
        DialogAnswerer answerer({ChooseFile(saved), PressButton(IDOK)});
        Command(IDM_SAVE_SETTINGS);
        const std::vector<SeenDialog> seen = answerer.finish();
        ASSERT_EQ(seen.size(), 2u) << name;
        EXPECT_EQ(FileNameBoxText(seen[0]), "QZ57output.dat");
        EXPECT_EQ(seen[1].title, "出力完了");
        EXPECT_EQ(seen[1].text, "波形設定ファイルを書き出しました。");
        EXPECT_EQ(ReadBytes(saved), ReadBytes(Golden / (name + ".dat"))) << name;

        // The command-line tool reads the saved file back into the rows the list shows.
        const std::vector<std::string> listed = Qz57Check(saved);
        const std::vector<std::string> rows = Rows();
        ASSERT_GE(listed.size(), rows.size() + 3) << name;
        EXPECT_EQ(std::vector<std::string>(listed.begin() + 3,
                                           listed.begin() + 3 + static_cast<long>(rows.size())),
                  rows)
            << name;
        fs::remove(saved);
    }
}

TEST_F(SettingsCommands, SaveOverWritesTheCurrentFileWithoutAskingWhere) {
    ShowGolden("current_1ms");
    const fs::path saved = Place("saved.dat");
    {
        // No file yet: as 設定保存.
        DialogAnswerer answerer({ChooseFile(saved), PressButton(IDOK)});
        Command(IDM_SAVE_OVER);
        EXPECT_EQ(answerer.finish().size(), 2u);
    }
    EXPECT_FALSE(Editor().model.modified());
    SelectRows(0, 1);
    Command(IDC_DELETE);
    {
        DialogAnswerer answerer({PressButton(IDOK)});
        Command(IDM_SAVE_OVER);
        const std::vector<SeenDialog> seen = answerer.finish();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].title, "出力完了");
    }
    EXPECT_EQ(ReadBytes(saved), settingsFileText(Editor().model.document()));
    EXPECT_FALSE(Editor().model.modified());

    DialogAnswerer answerer({PressButton(IDCANCEL)});
    Command(IDM_SAVE_SETTINGS);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(FileNameBoxText(seen[0]), "saved.dat");
}

TEST_F(SettingsCommands, SaveAsksBeforeReplacingAndAddsTheExtension) {
    ShowGolden("current_1ms");
    const fs::path existing = Place("existing.dat");
    WriteBytes(existing, "old contents");
    {
        DialogAnswerer answerer({ChooseFile(existing), PressButton(IDYES), PressButton(IDOK)});
        Command(IDM_SAVE_SETTINGS);
        const std::vector<SeenDialog> seen = answerer.finish();
        ASSERT_EQ(seen.size(), 3u);
        EXPECT_EQ(seen[2].text, "波形設定ファイルを書き出しました。");
    }
    EXPECT_EQ(ReadBytes(existing), ReadBytes(Golden / "current_1ms.dat"));

    DialogAnswerer answerer({ChooseFile(Place("bare")), PressButton(IDOK)});
    Command(IDM_SAVE_SETTINGS);
    EXPECT_EQ(answerer.finish().size(), 2u);
    EXPECT_EQ(ReadBytes(Place("bare.dat")), ReadBytes(Golden / "current_1ms.dat"));
}

TEST_F(SettingsCommands, SaveIntoAMissingFolderSaysTheFileCannotBeOpened) {
    ShowGolden("current_1ms");
    DialogAnswerer answerer({ChooseFile(Place("missing") / L"x.dat"), PressButton(IDOK)});
    Command(IDM_SAVE_SETTINGS);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].title, "エラー");
    EXPECT_EQ(seen[1].text, "ファイルを開けませんでした。");
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(SettingsCommands, SaveAndLoadUnderAJapaneseName) {
    ShowGolden("functions_10ms");
    const fs::path folder = folder_ / L"波形データ";
    fs::create_directories(folder);
    const fs::path file = folder / L"設定ファイル.dat";
    {
        DialogAnswerer answerer({ChooseFile(file), PressButton(IDOK)});
        Command(IDM_SAVE_SETTINGS);
        EXPECT_EQ(answerer.finish().size(), 2u);
    }
    EXPECT_EQ(ReadBytes(file), ReadBytes(Golden / "functions_10ms.dat"));
    const ElementList saved = Editor().model.document().elements;
    DialogAnswerer answerer({PressButton(IDYES), ChooseFile(file), PressButton(IDOK)});
    Command(IDM_LOAD_SETTINGS);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].text, "波形設定ファイルを読み込みました。");
    EXPECT_EQ(Editor().model.document().elements, saved);
}

TEST_F(SettingsCommands, SaveCancelledSaysNothing) {
    ShowGolden("current_1ms");
    DialogAnswerer answerer({PressButton(IDCANCEL), PressButton(IDOK)}, ShortPatience);
    Command(IDM_SAVE_SETTINGS);
    EXPECT_EQ(answerer.finish().size(), 1u);
    EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(SettingsCommands, LoadIntoAnEmptyDocumentAsksNothing) {
    struct Row {
        const char* name;
        int rangeEntry, resolutionEntry;
        const char* unit;
    };
    const Row rows[] = {{"functions_10ms", 1, 1, "V"}, {"current_1ms", 4, 0, "mA"}};
    for (const Row& row : rows) {
        CloseMainWindow();
        ASSERT_NE(OpenMainWindow(), nullptr);
        const fs::path file = GoldenCopy(row.name);
        DialogAnswerer answerer({ChooseFile(file), PressButton(IDOK)});
        Command(IDM_LOAD_SETTINGS);
        const std::vector<SeenDialog> seen = answerer.finish();
        ASSERT_EQ(seen.size(), 2u) << row.name;
        EXPECT_EQ(FileNameBoxText(seen[0]), "QZ57output.dat");
        EXPECT_EQ(seen[1].title, "読込完了");
        EXPECT_EQ(seen[1].text, "波形設定ファイルを読み込みました。");

        SignalDocument expected;
        ASSERT_TRUE(ReadSettingsFile(file, expected).ok());
        EXPECT_EQ(Editor().model.document().elements, expected.elements);
        EXPECT_EQ(Editor().model.document().sampleInterval, expected.sampleInterval);
        EXPECT_EQ(Selection(IDC_OUTPUT_RANGE), row.rangeEntry);
        EXPECT_EQ(Selection(IDC_RESOLUTION), row.resolutionEntry);
        EXPECT_EQ(Editor().chart.outputTrace->unit, row.unit);
        TracePoints samples;
        rebuildSamples(expected.elements, expected.sampleInterval, samples);
        EXPECT_EQ(Editor().model.samples().pointCount(), samples.pointCount());
        EXPECT_EQ(Editor().model.samples().lastPoint().time, samples.lastPoint().time);
        EXPECT_EQ(Editor().chart.canvas.viewStart, 0);
        EXPECT_TRUE(IsWindowEnabled(Control(IDC_APPEND)));
        EXPECT_FALSE(IsWindowEnabled(Control(IDC_DELETE)));

        const std::vector<std::string> listed = Qz57Check(file);
        const std::vector<std::string> shown = Rows();
        ASSERT_EQ(shown.size(), expected.elements.size());
        ASSERT_GE(listed.size(), shown.size() + 3);
        EXPECT_EQ(std::vector<std::string>(listed.begin() + 3,
                                           listed.begin() + 3 + static_cast<long>(shown.size())),
                  shown);
    }
}

TEST_F(SettingsCommands, LoadQuestionAnsweredNoChangesNothing) {
    ShowEdited();
    const WindowState before = State();
    DialogAnswerer answerer({PressButton(IDNO), PressButton(IDCANCEL)}, ShortPatience);
    Command(IDM_LOAD_SETTINGS);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].title, "確認");
    EXPECT_EQ(seen[0].text, LoadQuestion);
    EXPECT_TRUE(State() == before);
}

TEST_F(SettingsCommands, LoadQuestionAnsweredYesReplacesTheDocument) {
    ShowEdited();
    DialogAnswerer answerer(
        {PressButton(IDYES), ChooseFile(GoldenCopy("current_1ms")), PressButton(IDOK)});
    Command(IDM_LOAD_SETTINGS);
    EXPECT_EQ(answerer.finish().size(), 3u);
    EXPECT_EQ(Editor().model.document().rangeCode, 3);
    EXPECT_EQ(Editor().model.document().resolutionCode, 3);
    EXPECT_EQ(Editor().model.document().elements.size(), 4u);
    EXPECT_EQ(Rows().size(), 4u);
}

TEST_F(SettingsCommands, CancelledOpenDialogShowsTheReadError) {
    ShowEdited();
    const WindowState before = State();
    DialogAnswerer answerer({PressButton(IDYES), PressButton(IDCANCEL), PressButton(IDOK)});
    Command(IDM_LOAD_SETTINGS);
    const std::vector<SeenDialog> seen = answerer.finish();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].title, "エラー");
    EXPECT_EQ(seen[2].text, "波形設定ファイル読み込みエラー");
    EXPECT_TRUE(State() == before);
}

TEST_F(SettingsCommands, InvalidFilesChangeNothing) {
    const std::string golden = ReadBytes(Golden / "current_1ms.dat");
    const auto replaced = [&golden](const std::string& from, const std::string& to) {
        std::string text = golden;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const struct {
        const char* what;
        std::string bytes;
    } files[] = {
        {"empty file", ""},
        {"wrong header", replaced("### QZ570", "### QZ571")},
        {"newer version", replaced("VER\t1", "VER\t2")},
        {"range 5", replaced("OUTRANGE\t3", "OUTRANGE\t5")},
        {"resolution 4", replaced("RESOLUTION\t3", "RESOLUTION\t4")},
        {"no elements", replaced("ELEMENTS\t4", "ELEMENTS\t0")},
        {"more elements than the file holds", replaced("ELEMENTS\t4", "ELEMENTS\t5")},
        {"unknown type", replaced("FUNC_EXPO", "FUNC_NONE")},
        {"parameter out of order", replaced("PAR1\t15", "PAR2\t15")},
        {"parameter that is no number", replaced("PAR1\t15", "PAR1\tfifteen")},
        {"blank line", replaced("FUNC\tFUNC_TRI", "\r\nFUNC\tFUNC_TRI")},
    };
    for (const auto& file : files) {
        ShowEdited();
        const WindowState before = State();
        const fs::path path = Place("invalid.dat");
        WriteBytes(path, file.bytes);
        DialogAnswerer answerer({PressButton(IDYES), ChooseFile(path), PressButton(IDOK)});
        Command(IDM_LOAD_SETTINGS);
        const std::vector<SeenDialog> seen = answerer.finish();
        ASSERT_EQ(seen.size(), 3u) << file.what;
        EXPECT_EQ(seen[2].title, "エラー") << file.what;
        // The sentence, then the line and what it should have held.
        EXPECT_EQ(seen[2].text.rfind(std::string(InvalidContent) + "\n(", 0), 0u) << file.what;
        EXPECT_NE(seen[2].text.find(" 行目: "), std::string::npos) << file.what;
        EXPECT_TRUE(State() == before) << file.what;
    }
}

TEST_F(SettingsCommands, FileThatCannotBeOpenedChangesNothing) {
    ShowEdited();
    const WindowState before = State();
    const fs::path path = GoldenCopy("current_1ms");
    // Another program holding the file open without sharing it.
    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    DialogAnswerer answerer(
        {PressButton(IDYES), ChooseFile(path), PressButton(IDOK), PressButton(IDOK)});
    Command(IDM_LOAD_SETTINGS);
    const std::vector<SeenDialog> seen = answerer.finish();
    CloseHandle(held);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[2].text, "ファイルを開けませんでした。");
    EXPECT_EQ(seen[3].text, InvalidContent);
    EXPECT_TRUE(State() == before);
}

} // namespace
