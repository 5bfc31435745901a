#include "files/recovery_file.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

SignalDocument twoElements() {
    SignalDocument doc;
    doc.rangeCode = 2;
    doc.resolutionCode = 1;
    doc.sampleInterval = 0.1;
    doc.elements.push_back(makeElement(FUNC_CONST, {1.5, 10}));
    doc.elements.push_back(makeSum(makeElement(FUNC_SIN, {0, 1, 2, 0, 10}),
                                   makeElement(FUNC_RANDOM, {0, 0.1, 5, 10})));
    return doc;
}

RecoveryCopy sampleCopy() {
    RecoveryCopy copy;
    copy.document = twoElements();
    copy.file = fs::path(u8"C:\\測定\\波形 1.dat");
    copy.everSaved = true;
    copy.time = 1796791247;
    return copy;
}

SettingsReadResult readText(const std::string& text, RecoveryCopy& copy) {
    return readRecoveryText(text, copy);
}

// The lines of a copy's frame, then a settings file and the end line, joined with CR LF.
std::string frame(const std::string& time, const std::string& saved, const std::string& file) {
    return "### QZ57 editor recovery copy ###\r\nVER\t1\r\nTIME\t" + time + "\r\nSAVED\t" + saved +
           "\r\nFILE\t" + file + "\r\n" + settingsFileText(twoElements()) +
           "### end of recovery copy ###\r\n";
}

} // namespace

TEST(RecoveryFile, EveryFieldReadsBack) {
    const RecoveryCopy written = sampleCopy();
    RecoveryCopy read;
    ASSERT_TRUE(readText(recoveryFileText(written), read).ok());
    EXPECT_EQ(read.file, written.file);
    EXPECT_TRUE(read.everSaved);
    EXPECT_EQ(read.time, written.time);
    EXPECT_EQ(settingsFileText(read.document), settingsFileText(written.document));
    EXPECT_EQ(read.document.sampleInterval, 0.1);
    EXPECT_EQ(read.document.elements, written.document.elements);
}

TEST(RecoveryFile, AnUntitledDocumentReadsBackUntitled) {
    RecoveryCopy written = sampleCopy();
    written.file.clear();
    written.everSaved = false;
    written.time = 0;
    RecoveryCopy read;
    ASSERT_TRUE(readText(recoveryFileText(written), read).ok());
    EXPECT_TRUE(read.file.empty());
    EXPECT_FALSE(read.everSaved);
    EXPECT_EQ(read.time, 0);
}

TEST(RecoveryFile, TheCopyHoldsTheSettingsFileBetweenItsFrameLines) {
    const std::string text = recoveryFileText(sampleCopy());
    EXPECT_EQ(text.substr(0, 35), "### QZ57 editor recovery copy ###\r\n");
    EXPECT_NE(text.find("\r\nTIME\t1796791247\r\nSAVED\t1\r\nFILE\tC:\\"), std::string::npos);
    EXPECT_NE(text.find(settingsFileText(twoElements())), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n### end of recovery copy ###\r\n"));
}

TEST(RecoveryFile, APathWithALineBreakIsKeptAsUntitled) {
    RecoveryCopy written = sampleCopy();
    written.file = "/tmp/two\nlines.dat";
    RecoveryCopy read;
    ASSERT_TRUE(readText(recoveryFileText(written), read).ok());
    EXPECT_TRUE(read.file.empty());
    EXPECT_FALSE(read.everSaved);
}

// Whatever the point where a write was cut off, the rest is not taken for a copy.
TEST(RecoveryFile, EveryTornCopyIsRefused) {
    const std::string text = recoveryFileText(sampleCopy());
    for (std::size_t length = 0; length < text.size(); ++length) {
        RecoveryCopy read = sampleCopy();
        read.time = 7;
        EXPECT_FALSE(readText(text.substr(0, length), read).ok()) << length;
        EXPECT_EQ(read.time, 7) << "a refused copy changed the result";
    }
}

TEST(RecoveryFile, ForeignAndDamagedFilesAreRefused) {
    const struct {
        const char* what;
        std::string text;
        int line;
    } cases[] = {
        {"a settings file", settingsFileText(twoElements()), 1},
        {"empty", "", 1},
        {"another version",
         "### QZ57 editor recovery copy ###\r\nVER\t2\r\n" + frame("1", "0", "").substr(44), 2},
        {"a negative time", frame("-1", "0", ""), 3},
        {"a time past the year 9999", frame("253402300800", "0", ""), 3},
        {"a time that is not a number", frame("noon", "0", ""), 3},
        {"a time with a tail", frame("12x", "0", ""), 3},
        {"a saved flag of 2", frame("1", "2", ""), 4},
        {"a path with a control character", frame("1", "1", "a\tb.dat"), 5},
        {"lines after the end line", frame("1", "0", "") + "more\r\n", 0},
        {"an element after the count",
         [] {
             std::string text = frame("1", "0", "");
             text.insert(text.find("### end"), "FUNC\tFUNC_CONST\r\nPAR0\t1\r\nPAR1\t1\r\n");
             return text;
         }(),
         26},
    };
    for (const auto& c : cases) {
        RecoveryCopy read;
        const SettingsReadResult result = readText(c.text, read);
        EXPECT_EQ(result.status, SettingsReadStatus::InvalidContent) << c.what;
        if (c.line != 0) {
            EXPECT_EQ(result.line, c.line)
                << c.what << ": " << expectationText(result, Language::English);
        }
    }
}

TEST(RecoveryFile, LineNumbersOfTheSettingsCountFromTheCopysFirstLine) {
    std::string text = frame("1", "0", "");
    text.replace(text.find("OUTRANGE\t2"), 10, "OUTRANGE\t9");
    RecoveryCopy read;
    const SettingsReadResult result = readText(text, read);
    EXPECT_EQ(result.line, 8);
    EXPECT_EQ(expectationText(result, Language::English), "OUTRANGE and a range code 0 to 4");
}

TEST(RecoveryFile, LfLineEndsAndAByteOrderMarkAreReadToo) {
    std::string text = frame("5", "1", "x.dat");
    std::erase(text, '\r');
    RecoveryCopy read;
    ASSERT_TRUE(readText(text, read).ok());
    EXPECT_EQ(read.file, "x.dat");
    RecoveryCopy marked;
    ASSERT_TRUE(readText("\xEF\xBB\xBF" + text, marked).ok());
    EXPECT_EQ(marked.file, "x.dat");
}

TEST(RecoveryFile, WrittenToDiskAndReadBack) {
    const fs::path folder = fs::temp_directory_path() / "qz57_recovery_file_test";
    fs::create_directories(folder);
    const fs::path path = folder / "copy.qzr";
    ASSERT_EQ(WriteRecoveryFile(path, sampleCopy()), WriteResult::Written);
    RecoveryCopy read;
    ASSERT_TRUE(ReadRecoveryFile(path, read).ok());
    EXPECT_EQ(read.file, sampleCopy().file);
    EXPECT_EQ(ReadRecoveryFile(folder / "missing.qzr", read).status,
              SettingsReadStatus::CannotOpen);
    EXPECT_EQ(ReadRecoveryFile(folder, read).status, SettingsReadStatus::CannotOpen);
    EXPECT_EQ(WriteRecoveryFile(folder / "no such folder" / "copy.qzr", sampleCopy()),
              WriteResult::CannotOpen);
    fs::remove_all(folder);
}
