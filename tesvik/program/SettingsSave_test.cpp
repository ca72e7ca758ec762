#include "tesvik/program/SettingsSave.h"

#include "common/testing/ScratchDirectory.h"
#include "platform/MemoryRegistryStore.h"
#include "tesvik/program/ProfileRegistry.h"
#include "tesvik/program/SettingsLoad.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(SettingsSave, ConfirmedSettingsReadBackAndOtherLinesStay) {
    lumenar::testing::ScratchDirectory dir;
    dir.write("Tesvik.ini", "[Config]\nShowAllPages=1\nCURFONTNAMEA=Lumenar书宋\n[Mine]\nGBKColor=7\n");
    platform::MemoryRegistryStore registry;

    Settings s;
    s.colors = {1, 2, 3, 16777215, 5, 6};
    s.autoMinimize = 1;
    s.hide = 1;
    s.vk = 0x41;
    s.flag = 2;
    s.currentFontName = "Lumenar楷体S";
    s.strokeKeys = "hjkln";
    ASSERT_TRUE(saveConfirmedSettings(dir / "Tesvik.ini", registry, "Tesvik", s));

    EXPECT_EQ(readProfileInt(registry, "Tesvik", ProfileValue::Vk, -1), 0x41);
    EXPECT_EQ(readProfileInt(registry, "tesvik", ProfileValue::Flag, -1), 2);
    const Settings back = settingsFromText(dir.read("Tesvik.ini"));
    EXPECT_EQ(back.colors, s.colors);
    EXPECT_EQ(back.autoMinimize, 1);
    EXPECT_EQ(back.hide, 1);
    EXPECT_EQ(back.vk, 0x41);
    EXPECT_EQ(back.flag, 2);
    EXPECT_EQ(back.currentFontName, "Lumenar楷体S");
    EXPECT_EQ(back.strokeKeys, "hjkln");
    EXPECT_EQ(back.showAllPages, 1);
    const std::string text = dir.read("Tesvik.ini");
    EXPECT_NE(text.find("GBKColor=1\n"), std::string::npos);
    EXPECT_NE(text.find("CJKZACOLOR=16777215\n"), std::string::npos);
    EXPECT_NE(text.find("[Mine]\nGBKColor=7\n"), std::string::npos);
}

TEST(SettingsSave, FailuresAreReportedAndTheFileKept) {
    lumenar::testing::ScratchDirectory dir;
    dir.write("Tesvik.ini", "[Config]\nHSPDZ=12345\n");
    platform::MemoryRegistryStore registry;
    Settings s;
    s.currentFontName = "two\nlines";
    EXPECT_FALSE(saveConfirmedSettings(dir / "Tesvik.ini", registry, "Tesvik", s));
    EXPECT_EQ(dir.read("Tesvik.ini"), "[Config]\nHSPDZ=12345\n");

    registry.failWrites = true;
    s.currentFontName = "Lumenar书宋";
    EXPECT_FALSE(saveConfirmedSettings(dir / "Tesvik.ini", registry, "Tesvik", s));
}

TEST(ProfileRegistry, CheckBoxValuesDefaultToOneAndLiveUnderTheApplication) {
    platform::MemoryRegistryStore registry;
    EXPECT_EQ(readProfileInt(registry, "Tesvik", ProfileValue::Hide, 1), 1);
    ASSERT_TRUE(writeProfileInt(registry, "Tesvik", ProfileValue::Hide, 0));
    EXPECT_EQ(readProfileInt(registry, "Tesvik", ProfileValue::Hide, 1), 0);
    EXPECT_EQ(
        platform::dwordValue(
            registry, "HKEY_CURRENT_USER\\Software\\Lumenar CIVIC GB13000 V1.7 Unicode\\Tesvik\\Settings", "Hide"),
        0u);
    // A value of another type reads as absent.
    ASSERT_TRUE(registry.setValue(profileSectionKey("Tesvik", kSettingsSection), "AutoMinimize", std::string("0")));
    EXPECT_EQ(readProfileInt(registry, "Tesvik", ProfileValue::AutoMinimize, 1), 1);
    EXPECT_EQ(applicationName("/opt/Tesvik-gb13000/Tesvik.bin"), "Tesvik");
}

}  // namespace
}  // namespace tesvik::program
