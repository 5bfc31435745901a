#include "files/safe_write.h"

#include "files/csv_file.h"
#include "files/settings_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A fresh folder per test; whatever a test leaves in it is visible to the next check.
class SafeWrite : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("qz57_safe_write_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Names in the folder other than the expected ones: a temporary file left behind.
    std::vector<std::string> strayFiles(std::initializer_list<std::string> expected) const {
        std::vector<std::string> stray;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            const std::string name = entry.path().filename().string();
            if (std::find(expected.begin(), expected.end(), name) == expected.end())
                stray.push_back(name);
        }
        return stray;
    }

    fs::path folder_;
};

const std::string Old = "the previous contents\r\n";
const std::string New(100000, 'n');

} // namespace

TEST_F(SafeWrite, CreatesAndReplacesRegularFiles) {
    const fs::path path = folder_ / "out.csv";
    EXPECT_EQ(writeFileSafely(path, "first"), WriteResult::Written);
    EXPECT_EQ(readFile(path), "first");
    EXPECT_EQ(writeFileSafely(path, New), WriteResult::Written);
    EXPECT_EQ(readFile(path), New);
    EXPECT_TRUE(strayFiles({"out.csv"}).empty());
}

TEST_F(SafeWrite, KeepsTheAccessRightsOfTheOldFile) {
    const fs::path path = folder_ / "out.dat";
    writeFile(path, Old);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(writeFileSafely(path, New), WriteResult::Written);
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SafeWrite, FollowsSymbolicLinksAndKeepsThem) {
    const fs::path target = folder_ / "real.dat";
    const fs::path link = folder_ / "link.dat";
    writeFile(target, Old);
    fs::create_symlink("real.dat", link);
    ASSERT_EQ(writeFileSafely(link, New), WriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(readFile(target), New);
    EXPECT_TRUE(strayFiles({"real.dat", "link.dat"}).empty());

    const fs::path dangling = folder_ / "dangling.dat";
    fs::create_symlink("created.dat", dangling);
    ASSERT_EQ(writeFileSafely(dangling, "made"), WriteResult::Written);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dangling)));
    EXPECT_EQ(readFile(folder_ / "created.dat"), "made");
}

TEST_F(SafeWrite, FolderProblemsCannotOpen) {
    EXPECT_EQ(writeFileSafely(folder_ / "missing" / "out.csv", New), WriteResult::CannotOpen);
    EXPECT_EQ(writeFileSafely(folder_, New), WriteResult::CannotOpen);
    fs::create_directory(folder_ / "sub");
    EXPECT_EQ(writeFileSafely(folder_ / "sub", New), WriteResult::CannotOpen);
    EXPECT_TRUE(fs::is_directory(folder_ / "sub"));
    EXPECT_TRUE(strayFiles({"sub"}).empty());
}

// Judged from the owner's write bit, so that it holds when the tests run as root.
TEST_F(SafeWrite, ReadOnlyFileKeepsItsBytes) {
    using fs::perms;
    const std::pair<perms, WriteResult> cases[] = {
        {perms::owner_read, WriteResult::CannotOpen},
        {perms::owner_read | perms::group_write | perms::others_write, WriteResult::CannotOpen},
        {perms::owner_write, WriteResult::Written},
    };
    const fs::path path = folder_ / "out.csv";
    const fs::path link = folder_ / "link.csv";
    fs::create_symlink("out.csv", link);
    for (const auto& [mode, expected] : cases) {
        writeFile(path, Old);
        fs::permissions(path, mode);
        for (const fs::path& target : {path, link})
            EXPECT_EQ(writeFileSafely(target, New), expected) << static_cast<int>(mode);
        fs::permissions(path, perms::owner_all);
        EXPECT_EQ(readFile(path), expected == WriteResult::Written ? New : Old);
        EXPECT_TRUE(strayFiles({"out.csv", "link.csv"}).empty());
    }
}

TEST_F(SafeWrite, FullDeviceIsWrittenInPlaceAndFails) {
    ASSERT_TRUE(fs::exists("/dev/full"));
    EXPECT_EQ(writeFileSafely("/dev/full", New), WriteResult::WriteFailed);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    fs::create_symlink("/dev/full", folder_ / "full.csv");
    EXPECT_EQ(writeFileSafely(folder_ / "full.csv", New), WriteResult::WriteFailed);
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
    EXPECT_EQ(writeFileSafely("/dev/null", New), WriteResult::Written);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(SafeWrite, PipeIsWrittenInPlace) {
    const fs::path fifo = folder_ / "pipe.csv";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = readFile(fifo); });
    EXPECT_EQ(writeFileSafely(fifo, New), WriteResult::Written);
    reader.join();
    EXPECT_EQ(received, New);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(strayFiles({"pipe.csv"}).empty());
}

// A file-size limit fails the write after a successful open, as a full card does. It runs in a
// child process so the limit binds nothing else.
TEST_F(SafeWrite, FileSizeLimitKeepsTheOldFile) {
    const fs::path path = folder_ / "out.dat";
    writeFile(path, Old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        _exit(writeFileSafely(path, New) == WriteResult::WriteFailed ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readFile(path), Old);
    EXPECT_TRUE(strayFiles({"out.dat"}).empty());
}

TEST_F(SafeWrite, BothFormatsReportFailuresAndKeepTheOldFile) {
    SignalDocument doc;
    doc.rangeCode = 0;
    doc.resolutionCode = 0;
    SignalElement e;
    e.type = FUNC_CONST;
    e.paramCount = 2;
    e.params[0] = 1;
    e.params[1] = 1;
    e.duration = 1;
    doc.elements = {e};
    EXPECT_EQ(WriteSettingsFile("/dev/full", doc), WriteResult::WriteFailed);
    EXPECT_EQ(WriteSettingsFile(folder_ / "no" / "x.dat", doc), WriteResult::CannotOpen);
    TracePoints points;
    points.appendPoint(0, 1);
    points.appendPoint(1, 1);
    EXPECT_EQ(WriteCsvFile("/dev/full", points, 0, 0).status, CsvWriteStatus::WriteFailed);
    EXPECT_EQ(WriteCsvFile(folder_, points, 0, 0).status, CsvWriteStatus::CannotOpen);

    const fs::path path = folder_ / "keep.csv";
    writeFile(path, Old);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{10, 10};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const bool failed =
            WriteCsvFile(path, points, 0, 0).status == CsvWriteStatus::WriteFailed &&
            WriteSettingsFile(path, doc) == WriteResult::WriteFailed;
        _exit(failed ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(readFile(path), Old);
    EXPECT_TRUE(strayFiles({"keep.csv"}).empty());
}

// What a clean-up may take for a write's leftover, and what it must leave.
TEST(SafeWriteTemporary, NamesAreKnownByTheirWholeForm) {
    EXPECT_TRUE(isWriteTemporaryName(".qz57-0123456789ab.tmp"));
    for (const char* other : {".qz57-0123456789a.tmp", ".qz57-0123456789AB.tmp",
                              ".qz57-0123456789ab.tmp.bak", "x.qz57-0123456789a.tmp", "a.tmp"})
        EXPECT_FALSE(isWriteTemporaryName(other)) << other;
}
