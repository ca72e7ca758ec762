#include "pelorin/fonts/EudcLinks.h"

#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

namespace pelorin::fonts {
namespace {

class RecordingSwitch final : public EudcSwitch {
public:
    bool available() const override { return present; }
    void turnOff() override { events += "off "; }
    void turnOn() override { events += "on "; }
    bool present = true;
    std::string events;
};

class EudcLinksTest : public testing::Test {
protected:
    platform::MemoryRegistryStore store;
    RecordingSwitch eudcSwitch;
    EudcLinks links{store, eudcSwitch};
};

TEST_F(EudcLinksTest, LinkWritesTheValueBetweenSwitchingOffAndOn) {
    EXPECT_TRUE(links.linkEudc(936, "LMSong", "/fonts/LMSong.tte"));
    EXPECT_EQ(eudcSwitch.events, "off on ");
    EXPECT_EQ(platform::stringValue(store, "HKEY_CURRENT_USER\\EUDC\\936", "LMSong"), "/fonts/LMSong.tte");
    EXPECT_EQ(links.eudcPathOf(936, "lmsong"), "/fonts/LMSong.tte");
    EXPECT_EQ(links.eudcPathOf(950, "LMSong"), "");
}

TEST_F(EudcLinksTest, WithoutTheSwitchNothingIsWrittenOrDeleted) {
    links.linkEudc(936, "LMSong", "/a.tte");
    eudcSwitch.present = false;
    EXPECT_FALSE(links.linkEudc(936, "LMKai", "/b.tte"));
    EXPECT_FALSE(links.unlinkEudc(936, "LMSong"));
    EXPECT_EQ(links.eudcPathOf(936, "LMKai"), "");
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "/a.tte");
}

TEST_F(EudcLinksTest, AFailedLinkSaysWhy) {
    store.failWrites = true;
    const auto noKey = links.linkEudc(936, "LMSong", "/a.tte");
    ASSERT_FALSE(noKey);
    EXPECT_EQ(noKey.error(), "无法创建注册表键：HKEY_CURRENT_USER\\EUDC\\936");
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "");

    store.failWrites = false;
    eudcSwitch.present = false;
    const auto noSwitch = links.linkEudc(936, "LMSong", "/a.tte");
    ASSERT_FALSE(noSwitch);
    EXPECT_EQ(noSwitch.error(), "字体：LMSong无法链接EUDC文件：/a.tte");
}

TEST_F(EudcLinksTest, ChangesInABatchTurnTheSwitchOnce) {
    {
        EudcLinks::Batch outer(links);
        links.linkEudc(936, "LMSong", "/a.tte");
        {
            EudcLinks::Batch inner(links);
            links.unlinkEudc(936, "LMSong");
        }
        links.linkEudc(936, "LMSong", "/b.tte");
        EXPECT_EQ(eudcSwitch.events, "off ");
    }
    EXPECT_EQ(eudcSwitch.events, "off on ");
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "/b.tte");
    { EudcLinks::Batch unused(links); }  // no change, no turn
    EXPECT_EQ(eudcSwitch.events, "off on ");
}

TEST_F(EudcLinksTest, UnlinkFailsWithoutKeyOrValue) {
    EXPECT_FALSE(links.unlinkEudc(936, "LMSong"));  // no EUDC key at all
    links.linkEudc(936, "LMSong", "/a.tte");
    EXPECT_FALSE(links.unlinkEudc(950, "LMSong"));  // no code-page key
    EXPECT_FALSE(links.unlinkEudc(936, "LMKai"));   // no such value
    EXPECT_TRUE(links.unlinkEudc(936, "LMSong"));
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "");
}

TEST_F(EudcLinksTest, RemoveLinksToKeepsTheSystemDefaultAndOtherCodePages) {
    links.linkEudc(936, "LMSong", "/fonts/lmcivic.tte");
    links.linkEudc(936, "LMKai", "/fonts/Other.tte");
    links.linkEudc(936, kSystemDefaultEudcFont, "/fonts/LMCivic.TTE");
    links.linkEudc(950, "LMSong", "/fonts/LMCivic.TTE");
    eudcSwitch.events.clear();

    links.removeLinksTo("LMCivic.TTE");

    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "");
    EXPECT_EQ(links.eudcPathOf(936, "LMKai"), "/fonts/Other.tte");
    EXPECT_EQ(links.eudcPathOf(936, kSystemDefaultEudcFont), "/fonts/LMCivic.TTE");
    EXPECT_EQ(links.eudcPathOf(950, "LMSong"), "/fonts/LMCivic.TTE");
    EXPECT_EQ(eudcSwitch.events, "off on ");
}

}  // namespace
}  // namespace pelorin::fonts
