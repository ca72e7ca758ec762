#include "pelorin/fonts/FontList.h"

#include "common/testing/ScratchDirectory.h"
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
    links.linkEudc(936, "LMSong", "/fonts/LMSong.tte", messages);
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

TEST_F(FontListTest, AFileReachedThroughALinkIsListedOnce) {
    // A system's default font is often a link to a font that is also
    // installed under its own name; fontconfig lists both paths.
    lumenar::testing::ScratchDirectory dir;
    dir.write("hana/HanaMinA.ttf", "");
    dir.write("hana/Kai.ttc", "");
    std::filesystem::create_symlink(dir / "hana/HanaMinA.ttf", dir / "default-mincho.ttf");
    std::filesystem::create_symlink(dir / "hana", dir / "linked-hana");
    const auto at = [&](const char* file) { return (dir / file).string(); };
    std::vector<platform::InstalledFont> installed = {
        font({"HanaMinA"}, "x"), font({"HanaMinA"}, "x"), font({"HanaMinA"}, "x"),
        font({"Kai"}, "x"),      font({"KaiB"}, "x"),     font({"HanaMinA"}, "x", "Bold", false),
    };
    const char* files[] = {"default-mincho.ttf", "hana/HanaMinA.ttf", "linked-hana/HanaMinA.ttf",
                           "hana/Kai.ttc",       "hana/Kai.ttc",      "hana/HanaMinA-Bold.ttf"};
    for (std::size_t i = 0; i < installed.size(); ++i) {
        installed[i].file = at(files[i]);
        installed[i].coversCjkIdeographs = true;
    }
    installed[4].faceIndex = 1;  // a collection's second face is a font of its own
    const auto list = build(installed, FontListScope::AllCjkFaces);
    std::vector<std::pair<std::string, std::string>> shown;
    for (const FontEntry& e : list) shown.emplace_back(rowNameOf(e), e.fontFilePath);
    EXPECT_EQ(shown, (std::vector<std::pair<std::string, std::string>>{{"HanaMinA Bold", at("hana/HanaMinA-Bold.ttf")},
                                                                       {"HanaMinA Regular", at("hana/HanaMinA.ttf")},
                                                                       {"Kai", at("hana/Kai.ttc")},
                                                                       {"KaiB", at("hana/Kai.ttc")}}));

    installed.pop_back();
    const auto single = build(installed, FontListScope::AllCjkFaces);
    ASSERT_EQ(single.size(), 3u);
    EXPECT_EQ(rowNameOf(single[0]), "HanaMinA");  // one style left: no style shown
    EXPECT_EQ(single[0].fontFilePath, at("hana/HanaMinA.ttf"));
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
