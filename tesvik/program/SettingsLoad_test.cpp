#include "tesvik/program/SettingsLoad.h"

#include "common/testing/ScratchDirectory.h"
#include "platform/MemoryRegistryStore.h"
#include "tesvik/program/PrivateProfile.h"
#include "tesvik/program/SurrogateSupport.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

class FixedAutostart final : public AutostartEntry {
public:
    explicit FixedAutostart(bool enabled) : enabled_(enabled) {}
    bool isEnabled() const override { return enabled_; }
    bool enable() override { return enabled_ = true; }
    bool disable() override { return !(enabled_ = false); }

private:
    bool enabled_;
};

class SettingsLoadTest : public ::testing::Test {
protected:
    LoadedSettings load(bool autostartEnabled = false) {
        FixedAutostart autostart(autostartEnabled);
        return loadSettings({ini(), "/opt/Tesvik-gb13000/Tesvik", registry, autostart});
    }
    std::filesystem::path ini() const { return dir / "Tesvik.ini"; }

    lumenar::testing::ScratchDirectory dir;
    platform::MemoryRegistryStore registry;
};

TEST_F(SettingsLoadTest, FreshInstallationStartsWithTheDefaults) {
    const LoadedSettings loaded = load();
    const Settings& s = loaded.settings;
    EXPECT_EQ(s.colors, (CodeSpaceColors{0, 0, 0, 5350912, 9381778, 10524185}));
    EXPECT_EQ(s.strokeKeys, "12345");
    EXPECT_EQ(s.vk, 0);
    EXPECT_EQ(s.flag, 0);
    EXPECT_EQ(s.showAllPages, 0);
    EXPECT_FALSE(loaded.hideAtStart);
    EXPECT_EQ(s.currentFontName, "Lumenar楷体T");
    EXPECT_EQ(s.fontNames, (std::array<std::string, 4>{"Lumenar书宋", "Lumenar宋体T", "Lumenar楷体S", "Lumenar楷体T"}));
    EXPECT_EQ(s.programPath, "/opt/Tesvik-gb13000/Tesvik");
    EXPECT_TRUE(loaded.fileProblems.empty());
    // The font names are written to the new file.
    EXPECT_EQ(dir.read("Tesvik.ini"),
              "[Config]\nCURFONTNAMEA=Lumenar书宋\nCURFONTNAMEB=Lumenar宋体T\nCURFONTNAMEC=Lumenar楷体S\n"
              "CURFONTNAMED=Lumenar楷体T\nCURFONTNAMECU=Lumenar楷体T\n");
}

TEST_F(SettingsLoadTest, ReadsStoredValuesAndCorrectsAnUnknownFont) {
    dir.write("Tesvik.ini",
              "; kept\r\n[Config]\r\nGBKColor=255\r\nCJKZACOLOR=abc\r\nAutoMinimize=1\r\nVk=65\r\nFlag=2\r\n"
              "HSPDZ=hjkl;\r\nCURFONTNAMECU=Some Other Font\r\nShowAllPages=1\r\n[Other]\r\nx=y\r\n");
    const LoadedSettings loaded = load(true);
    const Settings& s = loaded.settings;
    EXPECT_EQ(s.colors.gbk, 255u);
    EXPECT_EQ(s.colors.cjkExtensionA, 0u);  // text without digits reads as 0
    EXPECT_EQ(s.colors.radicals, 10524185u);
    EXPECT_TRUE(loaded.hideAtStart);
    EXPECT_EQ(s.vk, 65);
    EXPECT_EQ(s.flag, 2);
    EXPECT_EQ(s.strokeKeys, "hjkl;");  // checked only by the dialog
    EXPECT_EQ(s.showAllPages, 1);
    EXPECT_TRUE(s.autostart);
    EXPECT_EQ(s.currentFontName, "Lumenar楷体T");
    const std::string text = dir.read("Tesvik.ini");
    EXPECT_EQ(profileString(text, "Config", "CURFONTNAMECU"), "Lumenar楷体T");
    EXPECT_NE(text.find("; kept\r\n[Config]\r\nGBKColor=255\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Other]\r\nx=y\r\n"), std::string::npos);
}

TEST_F(SettingsLoadTest, AKnownFontAndEmptyStrokeKeys) {
    dir.write("Tesvik.ini", "[Config]\nCURFONTNAMECU=Lumenar书宋\nHSPDZ=\n");
    const Settings s = load().settings;
    EXPECT_EQ(s.currentFontName, "Lumenar书宋");
    EXPECT_EQ(s.strokeKeys, "12345");
}

TEST_F(SettingsLoadTest, SurrogateSupportIsCreatedOnceWithTheRestartNotice) {
    const LoadedSettings first = load();
    ASSERT_EQ(first.notices.size(), 1u);
    EXPECT_EQ(first.notices[0].id, MessageId::RestartToApplySettings);
    EXPECT_EQ(platform::dwordValue(registry, kLanguagePackKey, "SURROGATE"), 2u);
    EXPECT_TRUE(load().notices.empty());
}

TEST_F(SettingsLoadTest, AnExistingSurrogateValueIsLeftAlone) {
    ASSERT_TRUE(registry.setValue(kLanguagePackKey, "surrogate", std::string("odd")));
    EXPECT_TRUE(load().notices.empty());
    EXPECT_EQ(platform::stringValue(registry, kLanguagePackKey, "SURROGATE"), "odd");
}

TEST_F(SettingsLoadTest, UnreadableSettingsFileGivesDefaultsAndIsNotOverwritten) {
    std::filesystem::create_directory(ini());  // a directory where the file should be
    registry.failWrites = true;
    const LoadedSettings loaded = load();
    EXPECT_EQ(loaded.settings.strokeKeys, "12345");
    EXPECT_FALSE(loaded.fileProblems.empty());
    EXPECT_TRUE(loaded.notices.empty());
    EXPECT_TRUE(std::filesystem::is_directory(ini()));
}

}  // namespace
}  // namespace tesvik::program
