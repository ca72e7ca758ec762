#include "pelorin/fonts/StartupEudcSetup.h"

#include "common/testing/ScratchDirectory.h"

#include "pelorin/fonts/FakeFrontEnd_testing.h"
#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

#include <fstream>

namespace pelorin::fonts {
namespace {

using fakes::NoSwitch;

class StartupEudcSetupTest : public testing::Test {
protected:
    void SetUp() override { ini = scratch.path() / "pfiFonts.ini"; }

    void writeIni(const std::string& bytes) { std::ofstream(ini, std::ios::binary) << bytes; }
    void run() { startupEudcSetup(ini, "/fonts", faces, links, messages); }
    std::string link(const std::string& face) const { return links.eudcPathOf(936, face); }

    lumenar::testing::ScratchDirectory scratch;
    std::filesystem::path ini;
    std::vector<std::string> faces{"宋体", "LMKai", "DejaVu Sans"};
    platform::MemoryRegistryStore store;
    NoSwitch eudcSwitch;
    EudcLinks links{store, eudcSwitch};
    fakes::CollectedMessages messages;
};

TEST_F(StartupEudcSetupTest, LinksThatCannotBeStoredAreShown) {
    store.failWrites = true;
    run();
    EXPECT_EQ(messages.shown, (std::vector<std::string>{"无法创建注册表键：HKEY_CURRENT_USER\\EUDC\\936"}));
}

TEST_F(StartupEudcSetupTest, WithoutTheFileTheSystemDefaultIsEudcTteAndCivicLinksGo) {
    links.linkEudc(936, "LMKai", "/fonts/LMCivic.TTE", messages);
    run();
    EXPECT_EQ(link(kSystemDefaultEudcFont), "/fonts/EUDC.TTE");
    EXPECT_EQ(link("LMKai"), "");

    writeIni("");  // an empty file counts as none
    links.linkEudc(936, "LMKai", "/fonts/lmcivic.tte", messages);
    run();
    EXPECT_EQ(link("LMKai"), "");
}

TEST_F(StartupEudcSetupTest, CrLfLinesLinkSimSunAndOtherFacesToTheCivicFont) {
    writeIni("sImSuN\r\nlmkai\r\nNoSuchFace\r\n");
    run();
    EXPECT_EQ(link("SimSun"), "/fonts/LMCivic.TTE");
    EXPECT_EQ(link("lmkai"), "/fonts/LMCivic.TTE");
    EXPECT_EQ(link("NoSuchFace"), "");
    EXPECT_EQ(link(kSystemDefaultEudcFont), "");
}

TEST_F(StartupEudcSetupTest, TheUsersCopyOfTheTargetWinsOverTheInstalledOne) {
    const auto own = scratch.path() / "fonts";
    const auto installed = scratch.path() / "share/fonts/truetype/lumenar";
    std::filesystem::create_directories(own);
    std::filesystem::create_directories(installed);
    writeIni("[Civic(LMCivic.TTE)\r\nLMKai\r\n");
    const auto linkedTarget = [&] {
        startupEudcSetup(ini, own, faces, links, messages, installed);
        EXPECT_EQ(link(kSystemDefaultEudcFont), link("LMKai"));
        return link("LMKai");
    };

    EXPECT_EQ(linkedTarget(), (own / "LMCivic.TTE").string());  // in neither: the user's folder, ready for a copy
    std::ofstream(installed / "LMCivic.TTE") << "font";
    EXPECT_EQ(linkedTarget(), (installed / "LMCivic.TTE").string());
    std::ofstream(own / "LMCivic.TTE") << "font";
    EXPECT_EQ(linkedTarget(), (own / "LMCivic.TTE").string());
}

TEST(InstalledFontsFolder, LiesUnderTheProgramsPrefix) {
    EXPECT_EQ(installedFontsFolder("/opt/lumenar/bin/pelorin"),
              std::filesystem::path("/opt/lumenar/share/fonts/truetype/lumenar"));
}

TEST_F(StartupEudcSetupTest, SimSunNeedsTheChineseNamedFace) {
    faces = {"LMKai"};
    writeIni("SimSun\r");
    run();
    EXPECT_EQ(link("SimSun"), "");
}

TEST_F(StartupEudcSetupTest, SectionLineSetsTheTargetForTheLinesAfterIt) {
    // "[", any text, "(", the file name and one closing character.
    writeIni("LMKai\r\n[Fonts(LMOther.TTE)\r\nDejaVu Sans\r\n");
    run();
    EXPECT_EQ(link("LMKai"), "/fonts/LMCivic.TTE");
    EXPECT_EQ(link("DejaVu Sans"), "/fonts/LMOther.TTE");
    EXPECT_EQ(link(kSystemDefaultEudcFont), "/fonts/LMOther.TTE");
}

TEST_F(StartupEudcSetupTest, SystemSectionLinksTheDefaultAndEndsReading) {
    for (const std::string section : {"[system(LMOther.TTE)]", "[Fonts]"}) {
        SCOPED_TRACE(section);
        writeIni(section + "\r\nLMKai\r");
        run();
        EXPECT_EQ(link(kSystemDefaultEudcFont), "/fonts/EUDC.TTE");
        EXPECT_EQ(link("LMKai"), "");
    }
}

TEST_F(StartupEudcSetupTest, BareLfLinesAreSkippedButAnUnendedLastLineCounts) {
    writeIni("LMKai\nDejaVu Sans");
    run();
    EXPECT_EQ(link("LMKai"), "");
    EXPECT_EQ(link("DejaVu Sans"), "/fonts/LMCivic.TTE");
}

TEST_F(StartupEudcSetupTest, NothingIsLinkedWithoutTrueTypeFaces) {
    faces.clear();
    writeIni("LMKai\r");
    run();
    EXPECT_EQ(link("LMKai"), "");
}

TEST(StartupIniPath, LiesBesideTheProgram) {
    EXPECT_EQ(startupIniPath("/opt/lumenar/pelorin"), std::filesystem::path("/opt/lumenar/pfiFonts.ini"));
}

}  // namespace
}  // namespace pelorin::fonts
