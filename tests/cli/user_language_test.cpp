#include "cli/user_language.h"

#include <gtest/gtest.h>

TEST(UserLanguage, TheFirstLocaleSetDecides) {
    const struct {
        const char *lcAll, *lcMessages, *lang;
        Language expected;
    } cases[] = {
        {"", "", "ja_JP.UTF-8", Language::Japanese},
        {"", "", "ja", Language::Japanese},
        {"", "ja_JP.eucJP", "en_US.UTF-8", Language::Japanese},
        {"C", "ja_JP.UTF-8", "ja_JP.UTF-8", Language::English},
        {"ja_JP.UTF-8", "C", "C", Language::Japanese},
        {"", "", "", Language::English},
        {"", "", "de_DE.UTF-8", Language::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageOfLocale(c.lcAll, c.lcMessages, c.lang), c.expected)
            << c.lcAll << "|" << c.lcMessages << "|" << c.lang;
}

TEST(UserLanguage, OptionValues) {
    EXPECT_EQ(languageOfOption("ja"), Language::Japanese);
    EXPECT_EQ(languageOfOption("en"), Language::English);
    EXPECT_FALSE(languageOfOption("JA"));
    EXPECT_FALSE(languageOfOption(""));
    EXPECT_FALSE(languageOfOption("english"));
}
