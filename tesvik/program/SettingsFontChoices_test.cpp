#include "tesvik/program/SettingsFontChoices.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

using Names = std::vector<std::string>;

TEST(SettingsFontChoices, CurrentFontFirstThenTheOthersWithoutRepeatsOrBlanks) {
    Settings s;
    s.fontNames = {"Lumenar书宋", "Lumenar宋体T", "", "Lumenar楷体T"};
    s.currentFontName = "Lumenar楷体T";
    EXPECT_EQ(settingsFontChoices(s), (Names{"Lumenar楷体T", "Lumenar书宋", "Lumenar宋体T"}));

    s.currentFontName = "Other";
    EXPECT_EQ(settingsFontChoices(s), (Names{"Other", "Lumenar书宋", "Lumenar宋体T", "Lumenar楷体T"}));

    s.currentFontName.clear();
    EXPECT_EQ(settingsFontChoices(s), (Names{"Lumenar书宋", "Lumenar宋体T", "Lumenar楷体T"}));
}

TEST(SettingsFontChoices, OnlyNamesThatDrawIdeographsUnlessNoneDoes) {
    Settings s;
    s.fontNames = {"Lumenar书宋", "Lumenar宋体T", "Lumenar楷体S", "Lumenar楷体T"};
    s.currentFontName = "Lumenar书宋";
    const auto kaiOnly = [](const std::string& name) { return name.find("楷体") != std::string::npos; };
    EXPECT_EQ(settingsFontChoices(s, kaiOnly), (Names{"Lumenar楷体S", "Lumenar楷体T"}));
    EXPECT_EQ(settingsFontChoices(s, [](const std::string&) { return false; }), settingsFontChoices(s));
}

}  // namespace
}  // namespace tesvik::program
