#include "pelorin/fonts/FontList.h"

#include "pelorin/fonts/FakeFrontEnd_testing.h"
#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

namespace pelorin::fonts {
namespace {

using fakes::CollectedMessages;
using fakes::NoSwitch;

TEST(FontList, MakersNamesAndFaceNames) {
    const struct {
        const char* name;
        bool makers;
    } kNames[] = {{"Lumenar Song", true}, {"lumenar Song", false}, {"LMSong", true}, {"lmkai", true}, {"Lm", true},
                  {"L", false},           {"AR PL UKai", false}};
    for (const auto& n : kNames) EXPECT_EQ(isMakersFontName(n.name), n.makers) << n.name;
    EXPECT_EQ(faceNameOf("LMSong (TrueType)"), "LMSong");
    EXPECT_EQ(faceNameOf("LMSong"), "LMSong");
}

class FontListTest : public testing::Test {
protected:
    std::vector<FontEntry> build(const std::optional<std::vector<platform::InstalledFont>>& installed) {
        return buildFontList("/fonts", installed, 936, links, messages);
    }
    platform::MemoryRegistryStore store;
    NoSwitch eudcSwitch;
    EudcLinks links{store, eudcSwitch};
    CollectedMessages messages;
};

TEST_F(FontListTest, KeepsTheMakersFacesInOrderWithTheirLinks) {
    links.linkEudc(936, "LMSong", "/fonts/LMSong.tte");
    const std::vector<platform::InstalledFont> installed = {
        {{"LMSong"}, "/fonts/LMSong.ttf", 0, "TrueType"},
        {{"DejaVu Sans"}, "/usr/share/fonts/DejaVuSans.ttf", 0, "TrueType"},
        {{"AR PL UKai", "LMKai"}, "/usr/share/fonts/ukai.ttc", 1, "TrueType"},
        {{"LMOld"}, "/fonts/LMOLD.FOT", 0, "TrueType"},
        {{"LMSong"}, "/fonts/LMSong-Bold.ttf", 0, "TrueType"},
        {{"Lumenar Hei"}, "LMHei.ttf", 0, "TrueType"},
    };
    const auto list = build(installed);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].faceName, "LMSong");
    EXPECT_EQ(list[0].eudcFilePath, "/fonts/LMSong.tte");
    EXPECT_EQ(list[0].codePage, 936);
    EXPECT_EQ(list[1].faceName, "LMKai");
    EXPECT_EQ(list[1].faceIndex, 1);
    EXPECT_EQ(list[1].eudcFilePath, "");
    EXPECT_EQ(list[2].fontFilePath, "/fonts/LMHei.ttf");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(findEntry(list, "lmkai"), &list[1]);
    EXPECT_EQ(findEntry(list, "LMNone"), nullptr);
}

TEST_F(FontListTest, EmptyListsSayWhy) {
    EXPECT_TRUE(build(std::nullopt).empty());
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"系统注册表错误。", "找不到系统字体注册。"}));
    messages.shown.clear();
    EXPECT_TRUE(build(std::vector<platform::InstalledFont>{}).empty());
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"系统中未安装字库。"}));
    messages.shown.clear();
    EXPECT_TRUE(build(std::vector<platform::InstalledFont>{{{"DejaVu Sans"}, "/d.ttf", 0, "TrueType"}}).empty());
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"系统中未安装LumenarTrueType字库。"}));
}

}  // namespace
}  // namespace pelorin::fonts
