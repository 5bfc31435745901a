#include "files/settings_file.h"
#include "tests/support/element_builders.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int FileCount = 1000;

// A folder of typical settings files: four elements, 10 s at 10 ms (1,001 points each).
struct SettingsFolder {
    SettingsFolder() {
        SignalDocument doc;
        doc.rangeCode = 0;
        doc.resolutionCode = 0;
        doc.sampleInterval = 0.01;
        doc.elements = {makeElement(FUNC_CONST, {1.5, 1}), makeElement(FUNC_SLOPE, {-5, 5, 2}),
                        makeElement(FUNC_SIN, {0, 8, 1, 0, 5}),
                        makeElement(FUNC_RANDOM, {0, 1, 42, 2})};
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (int i = 0; i < FileCount; ++i) {
            const fs::path path = folder / ("settings" + std::to_string(i) + ".dat");
            WriteSettingsFile(path, doc);
            inputs.push_back(path.string());
        }
    }
    ~SettingsFolder() { fs::remove_all(folder); }

    fs::path folder = fs::temp_directory_path() / ("qz57_cli_bench_" + std::to_string(::getpid()));
    std::vector<std::string> inputs;
};

const SettingsFolder& settingsFolder() {
    static const SettingsFolder folder;
    return folder;
}

// Each run writes new files into an empty folder: replacing old files costs the disk far more.
fs::path emptyFolder(benchmark::State& state, const fs::path& path) {
    state.PauseTiming();
    fs::remove_all(path);
    fs::create_directories(path);
    state.ResumeTiming();
    return path;
}

// Runs qz57 directly, without a shell, and waits for it; true when it exits with 0.
bool runQz57(std::vector<std::string> args) {
    args.insert(args.begin(), QZ57_PROGRAM);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    // What qz57 prints (import's summary) would only clutter the figures.
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, QZ57_PROGRAM, &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void exportInOneCall(benchmark::State& state) {
    const SettingsFolder& files = settingsFolder();
    std::vector<std::string> args = {"export"};
    args.insert(args.end(), files.inputs.begin(), files.inputs.end());
    args.insert(args.end(), {"--out-dir", (files.folder / "many").string()});
    for (auto _ : state) {
        emptyFolder(state, files.folder / "many");
        if (!runQz57(args))
            state.SkipWithError("qz57 failed");
    }
    state.SetItemsProcessed(state.iterations() * FileCount);
}
BENCHMARK(exportInOneCall)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

void exportOneCallPerFile(benchmark::State& state) {
    const SettingsFolder& files = settingsFolder();
    for (auto _ : state) {
        const fs::path out = emptyFolder(state, files.folder / "single");
        for (int i = 0; i < FileCount; ++i)
            if (!runQz57({"export", files.inputs[static_cast<std::size_t>(i)],
                          (out / (std::to_string(i) + ".csv")).string()}))
                state.SkipWithError("qz57 failed");
    }
    state.SetItemsProcessed(state.iterations() * FileCount);
}
BENCHMARK(exportOneCallPerFile)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

// The whole qz57 import of the longest replay file: a 90 s triangle of 10 periods at 1 ms,
// 90,001 rows, to a settings file.
void importLongestReplayFile(benchmark::State& state) {
    const fs::path folder = settingsFolder().folder;
    const fs::path dat = folder / "triangle.dat";
    const fs::path csv = folder / "triangle.csv";
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 3;
    doc.sampleInterval = 0.001;
    doc.elements = {makeElement(FUNC_TRI, {-5, 5, 4.5, 4.5, 10})};
    WriteSettingsFile(dat, doc);
    if (!runQz57({"export", dat.string(), csv.string()}))
        state.SkipWithError("qz57 export failed");
    for (auto _ : state)
        if (!runQz57({"import", csv.string(), (folder / "imported.dat").string()}))
            state.SkipWithError("qz57 import failed");
}
BENCHMARK(importLongestReplayFile)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The whole qz57 generate of a formula of about 20 operations over 90 s at 1 ms, fitted within
// 0.001 V, to a settings file.
void generateLongestFormula(benchmark::State& state) {
    const fs::path dat = settingsFolder().folder / "formula.dat";
    for (auto _ : state)
        if (!runQz57({"generate", "formula", dat.string(), "--range", "0", "--resolution", "3",
                      "--expr",
                      "exp(-t/30)*(2*sin(2*pi*0.5*t) + 0.5*sin(2*pi*3*t + 1)) + 0.1*t/T - "
                      "clamp(t - 40, 0, 5)",
                      "--duration", "90", "--tolerance", "0.001"}))
            state.SkipWithError("qz57 generate failed");
}
BENCHMARK(generateLongestFormula)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
