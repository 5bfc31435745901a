// The files the editor writes must be the same bytes on every platform it is built for.
#include "files/csv_file.h"
#include "files/settings_file.h"

#include "model/synthesis.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

const fs::path Golden = QZ57_GOLDEN_DIR;

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void expectGolden(const std::string& name) {
    SignalDocument doc;
    const SettingsReadResult read = ReadSettingsFile(Golden / (name + ".dat"), doc);
    ASSERT_TRUE(read.ok()) << name << ":" << read.line << ": "
                           << expectationText(read, Language::English);
    EXPECT_EQ(settingsFileText(doc), readFile(Golden / (name + ".dat"))) << name;

    TracePoints trace;
    rebuildSamples(doc.elements, doc.sampleInterval, trace);
    const fs::path out = fs::temp_directory_path() / ("qz57_golden_" + name + ".csv");
    ASSERT_TRUE(WriteCsvFile(out, trace, doc.rangeCode, doc.resolutionCode).ok()) << name;
    const std::string written = readFile(out);
    fs::remove(out);
    // Comparing the bytes as a whole would print megabytes on a mismatch: name the first row.
    const std::string expected = readFile(Golden / (name + ".csv"));
    ASSERT_FALSE(expected.empty()) << name;
    const auto [mismatch, unused] =
        std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
    if (mismatch != written.end() || written.size() != expected.size()) {
        const auto offset = mismatch - written.begin();
        const auto row = std::count(written.begin(), mismatch, '\n') + 1;
        ADD_FAILURE() << name << ".csv differs on line " << row << " (byte " << offset << ")";
    }
}

} // namespace

TEST(GoldenFiles, EveryFunctionAtTenMilliseconds) {
    expectGolden("functions_10ms");
}

TEST(GoldenFiles, ClampedCurrentAtOneMillisecond) {
    expectGolden("current_1ms");
}
