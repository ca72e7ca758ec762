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

}  // namespace
}  // namespace tesvik::program
