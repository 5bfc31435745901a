#include "files/app_settings.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace std::string_view_literals;

namespace {

constexpr auto Japanese = Language::Japanese;
constexpr auto English = Language::English;

TEST(AppSettings, ReadsTheLanguageAndPassesOverTheRest) {
    const struct {
        std::string_view text;
        std::optional<Language> language;
    } cases[] = {
        {"[QZ57editor]\r\nLanguage=ja\r\n", Japanese},
        {"[QZ57editor]\nLanguage=en", English},
        {"\xEF\xBB\xBF  language = EN \t\r\n", English},
        {"Language=ja\r\nLanguage=en\r\n", English},
        {"Language=en\r\nLanguage=fr\r\n", English}, // an unknown value does not undo a good one
        {"; Language=ja\r\n# Language=ja\r\n", std::nullopt},
        {"Languages=ja\r\nLanguage ja\r\n=ja\r\n", std::nullopt},
        {"Language=ja\0junk"sv, std::nullopt},
        {"", std::nullopt},
        {"\xFF\xFE[\0Q\0"sv, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseAppSettings(c.text).language, c.language) << c.text;
}

TEST(AppSettings, OnlyTheStartOfAHugeFileCounts) {
    std::string text(MaxAppSettingsBytes - 1, '\n');
    EXPECT_EQ(parseAppSettings(text + "Language=en").language, std::nullopt);
    EXPECT_EQ(parseAppSettings("Language=en\n" + text + "Language=ja").language, English);
}

TEST(AppSettings, TextReadsBack) {
    for (const AppSettings settings : {AppSettings{}, AppSettings{Japanese}, AppSettings{English}})
        EXPECT_EQ(parseAppSettings(appSettingsText(settings)), settings);
    EXPECT_EQ(appSettingsText({English}), "[QZ57editor]\r\nLanguage=en\r\n");
}

class AppSettingsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("qz57_app_settings_" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    fs::path folder_;
};

TEST_F(AppSettingsFile, SavesIntoANewFolderAndLoadsBack) {
    const fs::path file = folder_ / "QZ57editor" / "settings.ini";
    EXPECT_EQ(loadAppSettings(file), AppSettings{});
    ASSERT_TRUE(saveAppSettings(file, {English}));
    EXPECT_EQ(loadAppSettings(file), AppSettings{English});
    ASSERT_TRUE(saveAppSettings(file, {Japanese}));
    EXPECT_EQ(loadAppSettings(file), AppSettings{Japanese});
}

TEST_F(AppSettingsFile, AFolderInTheWayIsNoFileAndNoFolder) {
    fs::create_directories(folder_ / "settings.ini");
    EXPECT_EQ(loadAppSettings(folder_ / "settings.ini"), AppSettings{});
    EXPECT_FALSE(saveAppSettings(folder_ / "settings.ini", {English}));
    std::ofstream(folder_ / "file") << "x";
    EXPECT_FALSE(saveAppSettings(folder_ / "file" / "settings.ini", {English}));
}

} // namespace
