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

TEST_F(EudcLinksTest, ALinkTheStoreCannotKeepIsAFailure) {
    store.failWrites = true;
    EXPECT_FALSE(links.linkEudc(936, "LMSong", "/a.tte"));
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "");
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
