#include <map>
#include <string>

#include "gtest/gtest.h"
#include "support/TempFolder.h"
#include "system/TLanguages.h"

namespace {

TLanguages Shipped(TempFolder& folder) {
    folder.Write("languages.txt",
                 "# comment\r\nde Deutsch\r\npt_BR Português (Brasil)\r\nzh_CN 简体中文\r\n"
                 "bad/code Nope\r\nde Again\r\nnoname\r\n");
    TLanguages languages;
    languages.Load(folder.Path());
    return languages;
}

TEST(TLanguagesTest, TheSystemsLocaleComesToAShippedLanguageOrEnglish) {
    TempFolder folder;
    const TLanguages languages = Shipped(folder);
    ASSERT_EQ(languages.All().size(), 4u) << "English first; damaged and repeated lines skipped";
    EXPECT_EQ(languages.All()[0].Code, "en");
    EXPECT_EQ(languages.NameOf("zh_CN"), "简体中文");
    EXPECT_EQ(languages.After("zh_CN"), "en") << "the row goes round";

    EXPECT_EQ(languages.Match("de_AT.UTF-8@euro"), "de");
    EXPECT_EQ(languages.Match("pt"), "pt_BR");
    EXPECT_EQ(languages.Match("pt_PT"), "pt_BR");
    EXPECT_EQ(languages.Match("C.UTF-8"), "en");
    EXPECT_EQ(languages.Match("fr_FR"), "");

    const auto system = [&languages](std::map<std::string, std::string> env) {
        return languages.FromSystem([&env](const char* name) -> const char* {
            const auto found = env.find(name);
            return found == env.end() ? nullptr : found->second.c_str();
        });
    };
    EXPECT_EQ(system({}), "en");
    EXPECT_EQ(system({{"LANG", "de_DE.UTF-8"}}), "de");
    EXPECT_EQ(system({{"LANGUAGE", "fr:zh_CN:de"}, {"LANG", "de_DE.UTF-8"}}), "zh_CN")
        << "the first shipped one of the list";
    EXPECT_EQ(system({{"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}), "en") << "LC_ALL decides";
    EXPECT_EQ(system({{"LC_MESSAGES", "pt_BR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}), "pt_BR");
    EXPECT_EQ(system({{"LANG", "fr_FR.UTF-8"}}), "en") << "not shipped";
}

}  // namespace
