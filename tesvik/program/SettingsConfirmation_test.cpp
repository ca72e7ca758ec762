#include "tesvik/program/SettingsConfirmation.h"

#include "common/testing/ScratchDirectory.h"
#include "platform/MemoryRegistryStore.h"
#include "tesvik/program/ProfileRegistry.h"
#include "tesvik/program/SettingsLoad.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

class FakeHotKeys final : public HotKeyControl {
public:
    bool found = true;
    bool refuse = false;
    std::vector<std::string> calls;

    bool mainWindowFound() const override { return found; }
    void unregisterHotKey() override { calls.push_back("unregister"); }
    bool registerHotKey(HotKey k) override {
        calls.push_back("register " + std::to_string(k.virtualKey) + "+" + std::to_string(k.modifiers));
        return !refuse;
    }
};

class ConfirmSettingsTest : public ::testing::Test {
protected:
    lumenar::Result<ConfirmedSettings, SettingsRefusal> confirm(HotKey hotKey, std::string strokeKeys = "12345") {
        SettingsDialogInput input{hotKey, std::move(strokeKeys), {1, 2, 3, 4, 5, 6}, 1, 0, "Lumenar书宋"};
        return confirmSettings(input, current, hotKeys, {dir / "Tesvik.ini", registry, "Tesvik"});
    }
    int storedVk() const { return readProfileInt(registry, "Tesvik", ProfileValue::Vk, -1); }

    lumenar::testing::ScratchDirectory dir;
    platform::MemoryRegistryStore registry;
    FakeHotKeys hotKeys;
    Settings current;  // no hot key in force
};

TEST_F(ConfirmSettingsTest, ANewHotKeyIsRegisteredAndEverythingStored) {
    const auto confirmed = confirm({0x41, kHotKeyControl}, "ABCDE");
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(hotKeys.calls, (std::vector<std::string>{"unregister", "register 65+2"}));
    ASSERT_EQ(confirmed->notices.size(), 1u);
    EXPECT_EQ(confirmed->notices[0].text, "恭喜，Tesvik的新设置已经更改生效！");
    EXPECT_FALSE(confirmed->storeProblem);
    EXPECT_EQ(confirmed->settings.vk, 0x41);
    EXPECT_EQ(confirmed->settings.strokeKeys, "abcde");
    EXPECT_EQ(storedVk(), 0x41);
    const Settings stored = settingsFromText(dir.read("Tesvik.ini"));
    EXPECT_EQ(stored.colors, (CodeSpaceColors{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(stored.strokeKeys, "abcde");
    EXPECT_EQ(stored.currentFontName, "Lumenar书宋");
    EXPECT_EQ(stored.autoMinimize, 1);
}

TEST_F(ConfirmSettingsTest, ARefusedRegistrationLeavesNoHotKey) {
    hotKeys.refuse = true;
    const auto confirmed = confirm({0x41, kHotKeyControl});
    ASSERT_TRUE(confirmed);
    ASSERT_EQ(confirmed->notices.size(), 2u);
    EXPECT_EQ(confirmed->notices[0].id, MessageId::HotKeyRegistrationFailed);
    EXPECT_EQ(confirmed->settings.vk, 0);
    EXPECT_EQ(confirmed->settings.flag, 0);
    EXPECT_EQ(storedVk(), 0);
}

TEST_F(ConfirmSettingsTest, NoKeyMeansNoHotKeyAndAnUnchangedOneIsLeftAlone) {
    current.vk = 0x41;
    current.flag = kHotKeyControl;
    ASSERT_TRUE(confirm({0x41, kHotKeyControl}));
    EXPECT_TRUE(hotKeys.calls.empty());

    const auto cleared = confirm({0, kHotKeyControl});
    ASSERT_TRUE(cleared);
    EXPECT_EQ(hotKeys.calls, std::vector<std::string>{"unregister"});
    EXPECT_EQ(cleared->settings.vk, 0);
    EXPECT_EQ(storedVk(), 0);
}

TEST_F(ConfirmSettingsTest, RefusalsChangeNothing) {
    hotKeys.found = false;
    const auto lost = confirm({0x42, kHotKeyControl});
    ASSERT_FALSE(lost);
    EXPECT_EQ(lost.error().message.id, MessageId::LostContactWithMainWindow);
    EXPECT_FALSE(lost.error().focus);

    const auto badKeys = confirm({0x42, kHotKeyControl}, "1234");
    ASSERT_FALSE(badKeys);
    EXPECT_EQ(badKeys.error().message.id, MessageId::StrokeKeysNeedFive);

    EXPECT_TRUE(hotKeys.calls.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "Tesvik.ini"));
    EXPECT_EQ(storedVk(), -1);
}

TEST_F(ConfirmSettingsTest, ShowAllPagesIsStoredOnlyWhenTheDialogGivesIt) {
    dir.write("Tesvik.ini", "[Config]\nShowAllPages=1\n");
    current.showAllPages = 1;
    const auto kept = confirm({});
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->settings.showAllPages, 1);
    EXPECT_EQ(settingsFromText(dir.read("Tesvik.ini")).showAllPages, 1);

    SettingsDialogInput input{{}, "12345", {}, 0, 0, "Lumenar书宋", 0};
    const auto cleared = confirmSettings(input, current, hotKeys, {dir / "Tesvik.ini", registry, "Tesvik"});
    ASSERT_TRUE(cleared);
    EXPECT_EQ(cleared->settings.showAllPages, 0);
    EXPECT_NE(dir.read("Tesvik.ini").find("ShowAllPages=0\n"), std::string::npos);
}

TEST_F(ConfirmSettingsTest, HideUndrawableIsStoredAndReadBack) {
    SettingsDialogInput input{{}, "12345", {}, 0, 0, "Lumenar书宋"};
    input.hideUndrawable = 1;
    const auto confirmed = confirmSettings(input, current, hotKeys, {dir / "Tesvik.ini", registry, "Tesvik"});
    ASSERT_TRUE(confirmed);
    EXPECT_EQ(confirmed->settings.hideUndrawable, 1);
    EXPECT_EQ(settingsFromText(dir.read("Tesvik.ini")).hideUndrawable, 1);
    EXPECT_EQ(confirm({})->settings.hideUndrawable, 0);  // a dialog without the box leaves the file as it is
    EXPECT_EQ(settingsFromText(dir.read("Tesvik.ini")).hideUndrawable, 1);
}

}  // namespace
}  // namespace tesvik::program
