#include "pelorin/fonts/EudcLinks.h"

#include "pelorin/fonts/FakeFrontEnd_testing.h"
#include "platform/MemoryRegistryStore.h"

#include <gtest/gtest.h>

namespace pelorin::fonts {
namespace {

class RecordingSwitch final : public EudcSwitch {
public:
    bool available() const override { return present; }
    void turnOff() override { events += "off "; }
    void turnOn(MessageSink& messages) override {
        events += "on ";
        if (!complaint.empty()) messages.show(complaint);
    }
    bool present = true;
    std::string events;
    std::string complaint;  // shown when turned on
};

class EudcLinksTest : public testing::Test {
protected:
    platform::MemoryRegistryStore store;
    RecordingSwitch eudcSwitch;
    EudcLinks links{store, eudcSwitch};
    fakes::CollectedMessages messages;
};

TEST_F(EudcLinksTest, LinkWritesTheValueBetweenSwitchingOffAndOn) {
    EXPECT_TRUE(links.linkEudc(936, "LMSong", "/fonts/LMSong.tte", messages));
    EXPECT_EQ(eudcSwitch.events, "off on ");
    EXPECT_EQ(platform::stringValue(store, "HKEY_CURRENT_USER\\EUDC\\936", "LMSong"), "/fonts/LMSong.tte");
    EXPECT_EQ(links.eudcPathOf(936, "lmsong"), "/fonts/LMSong.tte");
    EXPECT_EQ(links.eudcPathOf(950, "LMSong"), "");
}

TEST_F(EudcLinksTest, WithoutTheSwitchNothingIsWrittenOrDeleted) {
    links.linkEudc(936, "LMSong", "/a.tte", messages);
    eudcSwitch.present = false;
    EXPECT_FALSE(links.linkEudc(936, "LMKai", "/b.tte", messages));
    EXPECT_FALSE(links.unlinkEudc(936, "LMSong", messages));
    EXPECT_EQ(links.eudcPathOf(936, "LMKai"), "");
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "/a.tte");
}

TEST_F(EudcLinksTest, AFailedLinkSaysWhy) {
    store.failWrites = true;
    const auto noKey = links.linkEudc(936, "LMSong", "/a.tte", messages);
    ASSERT_FALSE(noKey);
    EXPECT_EQ(noKey.error(), "无法创建注册表键：HKEY_CURRENT_USER\\EUDC\\936");
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "");

    store.failWrites = false;
    eudcSwitch.present = false;
    const auto noSwitch = links.linkEudc(936, "LMSong", "/a.tte", messages);
    ASSERT_FALSE(noSwitch);
    EXPECT_EQ(noSwitch.error(), "字体：LMSong无法链接EUDC文件：/a.tte");
}

TEST_F(EudcLinksTest, ChangesInABatchTurnTheSwitchOnce) {
    {
        EudcLinks::Batch outer(links, messages);
        links.linkEudc(936, "LMSong", "/a.tte", messages);
        {
            EudcLinks::Batch inner(links, messages);
            links.unlinkEudc(936, "LMSong", messages);
        }
        links.linkEudc(936, "LMSong", "/b.tte", messages);
        EXPECT_EQ(eudcSwitch.events, "off ");
    }
    EXPECT_EQ(eudcSwitch.events, "off on ");
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "/b.tte");
    { EudcLinks::Batch unused(links, messages); }  // no change, no turn
    EXPECT_EQ(eudcSwitch.events, "off on ");
}

// The switch's trouble in making a change take effect (fontconfig's rules
// not written, say) is the changing caller's to show.
TEST_F(EudcLinksTest, TheSwitchSpeaksThroughTheCallersMessages) {
    eudcSwitch.complaint = "cannot write the rules";
    const auto complaints = [&](int n) {
        return std::vector<std::string>(static_cast<std::size_t>(n), eudcSwitch.complaint);
    };
    links.linkEudc(936, "LMSong", "/fonts/lmcivic.tte", messages);
    EXPECT_EQ(messages.shown, complaints(1));
    links.unlinkEudc(936, "LMSong", messages);
    EXPECT_EQ(messages.shown, complaints(2));
    links.linkEudc(936, "LMSong", "/fonts/lmcivic.tte", messages);
    links.removeLinksTo("LMCivic.TTE", messages);
    EXPECT_EQ(messages.shown, complaints(4));

    fakes::CollectedMessages batchMessages;
    {
        EudcLinks::Batch batch(links, batchMessages);
        links.linkEudc(936, "LMSong", "/a.tte", messages);
    }
    EXPECT_EQ(messages.shown, complaints(4));
    EXPECT_EQ(batchMessages.shown, complaints(1));
}

TEST_F(EudcLinksTest, UnlinkFailsWithoutKeyOrValue) {
    EXPECT_FALSE(links.unlinkEudc(936, "LMSong", messages));  // no EUDC key at all
    links.linkEudc(936, "LMSong", "/a.tte", messages);
    EXPECT_FALSE(links.unlinkEudc(950, "LMSong", messages));  // no code-page key
    EXPECT_FALSE(links.unlinkEudc(936, "LMKai", messages));   // no such value
    EXPECT_TRUE(links.unlinkEudc(936, "LMSong", messages));
    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "");
}

TEST_F(EudcLinksTest, RemoveLinksToKeepsTheSystemDefaultAndOtherCodePages) {
    links.linkEudc(936, "LMSong", "/fonts/lmcivic.tte", messages);
    links.linkEudc(936, "LMKai", "/fonts/Other.tte", messages);
    links.linkEudc(936, kSystemDefaultEudcFont, "/fonts/LMCivic.TTE", messages);
    links.linkEudc(950, "LMSong", "/fonts/LMCivic.TTE", messages);
    eudcSwitch.events.clear();

    links.removeLinksTo("LMCivic.TTE", messages);

    EXPECT_EQ(links.eudcPathOf(936, "LMSong"), "");
    EXPECT_EQ(links.eudcPathOf(936, "LMKai"), "/fonts/Other.tte");
    EXPECT_EQ(links.eudcPathOf(936, kSystemDefaultEudcFont), "/fonts/LMCivic.TTE");
    EXPECT_EQ(links.eudcPathOf(950, "LMSong"), "/fonts/LMCivic.TTE");
    EXPECT_EQ(eudcSwitch.events, "off on ");
}

}  // namespace
}  // namespace pelorin::fonts
