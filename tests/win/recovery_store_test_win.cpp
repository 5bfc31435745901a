// The recovery folder, the copies' locks and the writer thread, in a folder of the test's own.
#include "ui/recovery_store_win.h"
#include "ui/recovery_writer_win.h"
#include "ui/text_win.h"

#include "tests/support/element_builders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr UINT WrittenMessage = WM_APP + 7;

RecoveryCopy SomeCopy() {
    RecoveryCopy copy;
    copy.document.rangeCode = 1;
    copy.document.resolutionCode = 0;
    copy.document.sampleInterval = 0.01;
    copy.document.elements.push_back(makeElement(FUNC_CONST, {2, 1}));
    copy.file = L"C:\\波形\\a.dat";
    copy.everSaved = true;
    copy.time = SecondsSinceEpochNow();
    return copy;
}

std::vector<std::string> NamesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(Narrow(entry.path().filename().native()));
    std::sort(names.begin(), names.end());
    return names;
}

// Points LOCALAPPDATA at an empty folder of the test's own for its length.
class RecoveryStoreTest : public testing::Test {
  protected:
    void SetUp() override {
        base_ = fs::temp_directory_path() / L"qz57 recovery store test";
        fs::remove_all(base_);
        fs::create_directories(base_);
        SetEnvironmentVariableW(L"LOCALAPPDATA", base_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
        std::error_code error;
        fs::remove_all(base_, error);
    }

    fs::path folder() const { return base_ / L"QZ57editor" / L"Recovery"; }

    fs::path base_;
};

} // namespace

TEST_F(RecoveryStoreTest, TheFolderIsMadeOnFirstWriteAndTheCopyReadsBack) {
    EXPECT_EQ(RecoveryFolder(), folder());
    RecoveryStore store;
    EXPECT_FALSE(fs::exists(folder()));
    ASSERT_EQ(store.write(SomeCopy()), WriteResult::Written);
    RecoveryCopy read;
    ASSERT_TRUE(ReadRecoveryFile(folder() / store.name(), read).ok());
    EXPECT_EQ(read.file, fs::path(L"C:\\波形\\a.dat"));
    // The name holds the process id, so no other running editor has it.
    EXPECT_EQ(store.name().rfind(std::to_wstring(GetCurrentProcessId()) + L"-", 0), 0u);
}

TEST_F(RecoveryStoreTest, ACopyIsLockedWhileItsWriterLivesAndOfferedAfter) {
    fs::path path;
    {
        RecoveryStore store;
        ASSERT_EQ(store.write(SomeCopy()), WriteResult::Written);
        path = folder() / store.name();
        const auto found = FindRecoveryCopies();
        ASSERT_EQ(found.size(), 1u);
        EXPECT_TRUE(found[0].candidate.ownerAlive);
        EXPECT_TRUE(copiesToOffer({found[0].candidate}).empty());
        RecoveryLock second;
        EXPECT_FALSE(second.take(path));
    }
    // The store is gone without deleting its copy, as at the end of a session.
    const auto found = FindRecoveryCopies();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].path, path);
    EXPECT_FALSE(found[0].candidate.ownerAlive);
    EXPECT_EQ(NamesIn(folder()), std::vector<std::string>{Narrow(path.filename().native())});

    // A start that offers it holds its lock, so another start leaves it alone.
    RecoveryLock offering;
    ASSERT_TRUE(offering.take(path));
    EXPECT_TRUE(FindRecoveryCopies()[0].candidate.ownerAlive);
    EXPECT_TRUE(DeleteRecoveryCopy(path));
    offering.release();
    EXPECT_TRUE(NamesIn(folder()).empty());
}

TEST_F(RecoveryStoreTest, RemovingTheCopyLeavesNoFile) {
    RecoveryStore store;
    ASSERT_EQ(store.write(SomeCopy()), WriteResult::Written);
    ASSERT_EQ(store.write(SomeCopy()), WriteResult::Written);
    store.remove();
    EXPECT_TRUE(NamesIn(folder()).empty());
    store.remove();
}

TEST_F(RecoveryStoreTest, AnUnreadableCopyIsSetAsideAndNeverOffered) {
    fs::create_directories(folder());
    const fs::path path = folder() / L"1-0.qzr";
    std::ofstream(path) << "torn";
    ASSERT_TRUE(SetAsideRecoveryCopy(path));
    EXPECT_EQ(NamesIn(folder()), std::vector<std::string>{"1-0.qzr.bad"});
    const auto found = FindRecoveryCopies();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_TRUE(copiesToOffer({found[0].candidate}).empty());
}

TEST_F(RecoveryStoreTest, LockFilesOfEndedEditorsWithoutACopyAreClearedAway) {
    fs::create_directories(folder());
    std::ofstream(folder() / L"1-0.qzr.lock") << "";
    EXPECT_TRUE(FindRecoveryCopies().empty());
    EXPECT_TRUE(NamesIn(folder()).empty());
}

// A write killed halfway leaves its temporary file; one written a minute ago may be a living
// editor's, and other files are not the editor's to delete.
TEST_F(RecoveryStoreTest, TemporaryFilesOfWritesCutOffLongAgoAreClearedAway) {
    fs::create_directories(folder());
    const fs::path old = folder() / L".qz57-0123456789ab.tmp";
    std::ofstream(old) << "VER";
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(old, hourAgo);
    std::ofstream(folder() / L".qz57-ba9876543210.tmp") << "VER";
    std::ofstream(folder() / L"notes.tmp") << "mine";
    fs::last_write_time(folder() / L"notes.tmp", hourAgo);
    EXPECT_TRUE(FindRecoveryCopies().empty());
    EXPECT_EQ(NamesIn(folder()), (std::vector<std::string>{".qz57-ba9876543210.tmp", "notes.tmp"}));
}

TEST_F(RecoveryStoreTest, AFolderThatCannotBeMadeIsReported) {
    std::ofstream(base_ / L"QZ57editor") << "a file where the folder would go";
    RecoveryStore store;
    EXPECT_EQ(store.write(SomeCopy()), WriteResult::CannotOpen);
    SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
    EXPECT_EQ(store.write(SomeCopy()), WriteResult::CannotOpen);
    EXPECT_TRUE(FindRecoveryCopies().empty());
}

TEST_F(RecoveryStoreTest, TheWriterReportsEachWriteAndALaterDeletionWins) {
    HWND window =
        CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    {
        RecoveryWriter writer(window, WrittenMessage);
        writer.write(SomeCopy());
        ASSERT_TRUE(writer.finish(std::chrono::seconds(10)));
        EXPECT_EQ(NamesIn(folder()).size(), 2u); // the copy and its lock
        MSG message{};
        ASSERT_TRUE(PeekMessageW(&message, window, WrittenMessage, WrittenMessage, PM_REMOVE));
        EXPECT_EQ(message.wParam, 1u);

        writer.write(SomeCopy());
        writer.remove();
        ASSERT_TRUE(writer.finish(std::chrono::seconds(10)));
        EXPECT_TRUE(NamesIn(folder()).empty());
    }
    DestroyWindow(window);
}

TEST_F(RecoveryStoreTest, TheWriterReportsACopyThatCannotBeWritten) {
    std::ofstream(base_ / L"QZ57editor") << "a file where the folder would go";
    HWND window =
        CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    {
        RecoveryWriter writer(window, WrittenMessage);
        writer.write(SomeCopy());
        EXPECT_FALSE(writer.finish(std::chrono::seconds(10)));
        MSG message{};
        ASSERT_TRUE(PeekMessageW(&message, window, WrittenMessage, WrittenMessage, PM_REMOVE));
        EXPECT_EQ(message.wParam, 0u);
    }
    DestroyWindow(window);
}
