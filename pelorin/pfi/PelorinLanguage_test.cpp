#include "pelorin/pfi/PelorinLanguage.h"

#include <gtest/gtest.h>

namespace pelorin {
namespace {

TEST(PelorinLanguage, FollowsTheLocalesScriptAndTerritory) {
    const struct {
        const char* locale;
        Language language;
    } kCases[] = {
        {"zh_CN.UTF-8", Language::SimplifiedChinese},
        {"zh_SG.GB2312", Language::SimplifiedChinese},
        {"zh", Language::SimplifiedChinese},
        {"zh_CN.UTF-8@pinyin", Language::SimplifiedChinese},
        {"zh_TW.UTF-8", Language::TraditionalChinese},
        {"zh_HK.Big5-HKSCS", Language::TraditionalChinese},
        {"zh_MO", Language::TraditionalChinese},
        {"zh_Hant_TW", Language::TraditionalChinese},
        {"zh_Hans_HK", Language::SimplifiedChinese},
        {"zh_TWX", Language::SimplifiedChinese},
        {"en_US.UTF-8", Language::English},
        {"C.UTF-8", Language::English},
        {"POSIX", Language::English},
        {"ja_JP.UTF-8", Language::English},
        {"", Language::English},
    };
    for (const auto& c : kCases) EXPECT_EQ(languageOfLocale(c.locale), c.language) << c.locale;
}

TEST(PelorinLanguage, TheMessageLocaleIsTheFirstVariableSet) {
    const auto languageOf = [](std::map<std::string, std::string> variables) {
        return messageLanguage(platform::Environment{std::move(variables)});
    };
    EXPECT_EQ(languageOf({}), Language::English);
    EXPECT_EQ(languageOf({{"LANG", "zh_TW.UTF-8"}}), Language::TraditionalChinese);
    EXPECT_EQ(languageOf({{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}), Language::SimplifiedChinese);
    EXPECT_EQ(languageOf({{"LC_ALL", "zh_HK.UTF-8"}, {"LC_MESSAGES", "zh_CN.UTF-8"}}), Language::TraditionalChinese);
    // An empty variable counts as unset; LC_CTYPE decides the code page, not the language.
    EXPECT_EQ(languageOf({{"LC_ALL", ""}, {"LC_CTYPE", "zh_CN.UTF-8"}, {"LANG", "zh_TW"}}),
              Language::TraditionalChinese);
}

TEST(PelorinLanguage, ATextReadsAsTheCurrentLanguage) {
    constexpr Texts kExit{"退出", "結束", "Exit"};
    const Language before = currentLanguage();
    for (const auto& [language, expected] :
         {std::pair{Language::SimplifiedChinese, "退出"}, std::pair{Language::TraditionalChinese, "結束"},
          std::pair{Language::English, "Exit"}}) {
        setCurrentLanguage(language);
        EXPECT_EQ(std::string_view(kExit), expected);
    }
    setCurrentLanguage(before);
}

}  // namespace
}  // namespace pelorin
