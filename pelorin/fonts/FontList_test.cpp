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
    std::vector<FontEntry> build(const platform::InstalledFonts& installed,
                                 FontListScope scope = FontListScope::MakersFamilies) {
        return buildFontList("/fonts", installed, 936, links, messages, scope);
    }
    platform::MemoryRegistryStore store;
    NoSwitch eudcSwitch;
    EudcLinks links{store, eudcSwitch};
    CollectedMessages messages;
};

platform::InstalledFont font(std::vector<std::string> families, const char* file, const char* style = "Regular",
                             bool regular = true) {
    platform::InstalledFont f;
    f.families = std::move(families);
    f.file = file;
    f.format = "TrueType";
    f.style = style;
    f.regularStyle = regular;
    return f;
}

TEST_F(FontListTest, KeepsTheMakersFacesInOrderWithTheirLinks) {
    links.linkEudc(936, "LMSong", "/fonts/LMSong.tte");
    std::vector<platform::InstalledFont> installed = {
        font({"LMSong"}, "/fonts/LMSong.ttf"),
        font({"DejaVu Sans"}, "/usr/share/fonts/DejaVuSans.ttf"),
        font({"AR PL UKai", "LMKai"}, "/usr/share/fonts/ukai.ttc"),
        font({"LMOld"}, "/fonts/LMOLD.FOT"),
        font({"Lumenar Hei"}, "LMHei.ttf"),
    };
    installed[2].faceIndex = 1;
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

TEST_F(FontListTest, EachStyleIsARowOfItsOwn) {
    const std::vector<platform::InstalledFont> installed = {
        font({"LMSong"}, "/fonts/LMSong-Bold.ttf", "Bold", false),
        font({"LMSong"}, "/fonts/LMSong.ttf"),
        font({"LMSong"}, "/fonts/LMSong-Italic.ttf", "Italic", false),
        font({"LMKai"}, "/fonts/LMKai.ttf"),
    };
    const auto list = build(installed);
    ASSERT_EQ(list.size(), 4u);
    std::vector<std::string> shown;
    for (const FontEntry& e : list) shown.push_back(rowNameOf(e));
    EXPECT_EQ(shown, (std::vector<std::string>{"LMSong Bold", "LMSong Regular", "LMSong Italic", "LMKai"}));
    // The face name alone stands for the regular style, wherever it lies in the list.
    EXPECT_EQ(findEntry(list, "LMSong")->fontFilePath, "/fonts/LMSong.ttf");
    EXPECT_EQ(findEntry(list, "lmsong italic")->fontFilePath, "/fonts/LMSong-Italic.ttf");
    EXPECT_EQ(findEntry(list, "LMKai")->fontFilePath, "/fonts/LMKai.ttf");
}

TEST_F(FontListTest, AllCjkFacesListsEveryScalableFaceWithIdeographsByName) {
    std::vector<platform::InstalledFont> installed = {
        font({"DejaVu Sans"}, "/usr/share/fonts/DejaVuSans.ttf"),
        font({"LMSong"}, "/fonts/LMSong.ttf"),
        font({"Fixed"}, "/usr/share/fonts/misc/18x18ja.pcf.gz"),
        font({"AR PL UKai CN", "文鼎PL中楷"}, "/usr/share/fonts/ukai.ttc"),
    };
    installed[1].coversCjkIdeographs = true;
    installed[2].coversCjkIdeographs = true;
    installed[2].scalable = false;
    installed[3].coversCjkIdeographs = true;
    installed.push_back(installed[3]);
    installed.back().families = {"AR PL UKai CN"};
    installed.back().style = "Bold";
    const auto list = build(installed, FontListScope::AllCjkFaces);
    std::vector<std::string> shown;
    for (const FontEntry& e : list) shown.push_back(rowNameOf(e));
    EXPECT_EQ(shown, (std::vector<std::string>{"AR PL UKai CN Bold", "AR PL UKai CN Regular", "LMSong"}));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_TRUE(build(std::vector<platform::InstalledFont>{installed[0]}, FontListScope::AllCjkFaces).empty());
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"系统中未安装含中日韩汉字的字库。"}));
}

TEST_F(FontListTest, EachFailureSaysWhy) {
    using platform::FontListingError;
    const struct {
        platform::InstalledFonts installed;
        std::vector<std::string> shown;
    } kCases[] = {
        {platform::InstalledFonts::failure(FontListingError::NoConfiguration), {"系统注册表错误。", "找不到系统字体注册。"}},
        {platform::InstalledFonts::failure(FontListingError::ListFailed), {"系统字体注册错误。"}},
        {std::vector<platform::InstalledFont>{}, {"系统中未安装字库。"}},
        {std::vector<platform::InstalledFont>{font({"DejaVu Sans"}, "/d.ttf")}, {"系统中未安装LumenarTrueType字库。"}},
    };
    for (const auto& c : kCases) {
        messages.shown.clear();
        EXPECT_TRUE(build(c.installed).empty());
        EXPECT_EQ(messages.shown, c.shown);
    }
}

}  // namespace
}  // namespace pelorin::fonts
