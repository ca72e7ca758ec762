#include "platform/SystemCodePage.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(SystemCodePage, FromTheLocalesLanguage) {
    const struct {
        const char* locale;
        std::uint16_t codePage;
    } kCases[] = {{"zh_CN.UTF-8", 936},      {"zh_SG", 936},       {"zh_TW.UTF-8", 950},
                  {"zh_HK.Big5-HKSCS", 950}, {"ja_JP.UTF-8", 932}, {"ko_KR.EUC-KR", 1361},
                  {"en_US.UTF-8", 0},        {"C.UTF-8", 0},       {"", 0}};
    for (const auto& c : kCases) EXPECT_EQ(codePageOfLocale(c.locale), c.codePage) << c.locale;
}

TEST(SystemCodePage, LcAllWinsOverLcCtypeOverLang) {
    Environment env;
    env.variables["LANG"] = "ja_JP.UTF-8";
    EXPECT_EQ(systemCodePage(env), 932);
    env.variables["LC_CTYPE"] = "zh_TW.UTF-8";
    EXPECT_EQ(systemCodePage(env), 950);
    env.variables["LC_ALL"] = "zh_CN.UTF-8";
    EXPECT_EQ(systemCodePage(env), 936);
}

}  // namespace
}  // namespace platform
