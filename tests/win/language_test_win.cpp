// Where the editor's language comes from: settings.ini in the user's local application data,
// otherwise the display language (which Wine takes from the locale the test runs under).
#include "ui/language_win.h"

#include "files/app_settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

class LanguageSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / L"qz57_language_test";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        SetEnvironmentVariableW(L"LOCALAPPDATA", folder_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"LOCALAPPDATA", nullptr);
        fs::remove_all(folder_);
    }
    fs::path settingsFile() const { return folder_ / L"QZ57editor" / L"settings.ini"; }

    fs::path folder_;
};

Language Other(Language language) {
    return language == Language::Japanese ? Language::English : Language::Japanese;
}

TEST_F(LanguageSettings, TheDisplayLanguageUntilAChoiceIsRemembered) {
    EXPECT_EQ(AppSettingsPath(), settingsFile());
    EXPECT_EQ(StartLanguage(), DisplayLanguage());
    const Language chosen = Other(DisplayLanguage());
    ASSERT_TRUE(RememberLanguage(chosen));
    EXPECT_EQ(StartLanguage(), chosen);
    EXPECT_EQ(loadAppSettings(settingsFile()).language, chosen);
}

TEST_F(LanguageSettings, ForeignContentMeansTheDisplayLanguage) {
    fs::create_directories(settingsFile().parent_path());
    std::ofstream(settingsFile(), std::ios::binary) << "\xFF\xFELanguage=fr\r\n\x00\x01";
    EXPECT_EQ(StartLanguage(), DisplayLanguage());
}

TEST_F(LanguageSettings, AnUnwritablePlaceIsPassedOver) {
    std::ofstream(folder_ / L"QZ57editor") << "a file where the folder should be";
    EXPECT_FALSE(RememberLanguage(Other(DisplayLanguage())));
    EXPECT_EQ(StartLanguage(), DisplayLanguage());
}

} // namespace
