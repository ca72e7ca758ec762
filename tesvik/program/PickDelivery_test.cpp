#include "tesvik/program/PickDelivery.h"

#include "platform/MemoryRegistryStore.h"
#include "tesvik/program/OutputFakes_testing.h"
#include "tesvik/program/ProfileRegistry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tesvik::program {
namespace {

using testing::FakeAddon;
using testing::FakeDesktop;
using testing::RecordingClipboard;

constexpr platform::WindowId kMainWindow = 100;
constexpr platform::WindowId kEditor = 200;

TEST(ChooseDeliveryRoute, AddonThenKeyTypingThenClipboard) {
    EXPECT_EQ(chooseDeliveryRoute(true, true), DeliveryRoute::InputMethod);
    EXPECT_EQ(chooseDeliveryRoute(true, false), DeliveryRoute::InputMethod);
    EXPECT_EQ(chooseDeliveryRoute(false, true), DeliveryRoute::KeyTyping);
    EXPECT_EQ(chooseDeliveryRoute(false, false), DeliveryRoute::Clipboard);
}

// An X11 session: a desktop that can activate the target and type.
class X11PickTest : public ::testing::Test {
protected:
    X11PickTest() {
        desktop.windows = {kMainWindow, kEditor};
        output.setOwnWindow(kMainWindow);
        desktop.active = kEditor;
        output.trackForeground();
        desktop.active = kMainWindow;
        desktop.calls.clear();
    }

    FakeDesktop desktop;
    platform::MemoryRegistryStore registry;
    RecordingClipboard clipboard;
    OutputService output{&desktop, registry, clipboard};
    FakeAddon addon;
    PickDelivery delivery{output, &addon};
};

TEST_F(X11PickTest, AddonCommitsAfterTheTargetIsActiveAndNoKeyIsTyped) {
    const auto outcome = delivery.pick(chars::packCodePoint(0x20000));
    ASSERT_TRUE(outcome);
    EXPECT_EQ(*outcome, (PickOutcome{DeliveryRoute::InputMethod, true, false, std::nullopt}));
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"isWindow 200", "activate 200"}));
    EXPECT_EQ(addon.commits, (std::vector<std::string>{"\xF0\xA0\x80\x80 not tesvik"}));
    EXPECT_FALSE(delivery.hasWaiting());
    EXPECT_TRUE(clipboard.texts.empty());
}

TEST_F(X11PickTest, AddonRouteHidesAsTheHideSettingSays) {
    ASSERT_TRUE(writeProfileInt(registry, "Tesvik", ProfileValue::Hide, 0));
    EXPECT_FALSE(delivery.pick(0x4E00)->hideMainWindow);
}

TEST_F(X11PickTest, WithoutActivatableTargetTheAddonRouteHidesAndWaitsForTheFocusToGo) {
    desktop.activationSucceeds = false;
    ASSERT_TRUE(writeProfileInt(registry, "Tesvik", ProfileValue::Hide, 0));
    const auto outcome = delivery.pick(0xE650);
    EXPECT_EQ(*outcome, (PickOutcome{DeliveryRoute::InputMethod, true, true, std::nullopt}));
    EXPECT_TRUE(addon.commits.empty());
    EXPECT_EQ(delivery.commitWaiting(), std::nullopt);
    EXPECT_EQ(addon.commits, (std::vector<std::string>{"\xEE\x99\x90 not tesvik"}));
    EXPECT_FALSE(delivery.hasWaiting());
}

TEST_F(X11PickTest, WithoutAddonTheCharacterIsTypedAndTheStatusLineSaysSo) {
    addon.running = false;
    const auto outcome = delivery.pick(0x4E00);
    EXPECT_EQ(*outcome, (PickOutcome{DeliveryRoute::KeyTyping, true, false, MessageId::TypedWithoutInputMethod}));
    EXPECT_EQ(desktop.typed, U"一");
}

TEST_F(X11PickTest, WithoutAddonOrTargetTheCharacterIsCopied) {
    addon.running = false;
    desktop.windows.erase(kEditor);
    const auto outcome = delivery.pick(0x4E00);
    EXPECT_EQ(*outcome, (PickOutcome{DeliveryRoute::Clipboard, false, false, MessageId::CopiedNoTarget}));
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"一"}));
}

TEST_F(X11PickTest, UnreachableAddonCopiesAndSaysSo) {
    addon.commitsFail = true;
    const std::optional<PickOutcome> outcome = delivery.pick(0x4E00);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->notice, MessageId::CopiedInputMethodUnreachable);
    EXPECT_FALSE(outcome->hideMainWindow);  // the window stays up to say so, as after any copy
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"一"}));
}

TEST_F(X11PickTest, ValueThatNamesNoCharacterGoesNowhere) {
    EXPECT_EQ(delivery.pick(0xD800), std::nullopt);
    EXPECT_TRUE(addon.commits.empty());
    EXPECT_TRUE(desktop.calls.empty());
}

// A Wayland session: no desktop that could activate or type.
class WaylandPickTest : public ::testing::Test {
protected:
    platform::MemoryRegistryStore registry;
    RecordingClipboard clipboard;
    OutputService output{nullptr, registry, clipboard};
    FakeAddon addon;
    PickDelivery delivery{output, &addon};
};

TEST_F(WaylandPickTest, PickHidesWhateverHideSaysAndCommitsInOrderOnceTheFocusIsGone) {
    ASSERT_TRUE(writeProfileInt(registry, "Tesvik", ProfileValue::Hide, 0));
    EXPECT_EQ(*delivery.pick(0x4E00), (PickOutcome{DeliveryRoute::InputMethod, true, true, std::nullopt}));
    delivery.pick(0xE650);
    EXPECT_TRUE(addon.commits.empty());
    EXPECT_TRUE(delivery.hasWaiting());
    EXPECT_EQ(delivery.commitWaiting(), std::nullopt);
    EXPECT_EQ(addon.commits, (std::vector<std::string>{"一 not tesvik", "\xEE\x99\x90 not tesvik"}));
}

TEST_F(WaylandPickTest, DroppedCommitGoesToTheClipboardDeliveredOneDoesNot) {
    delivery.pick(0x4E00);
    delivery.pick(chars::packCodePoint(0x20000));
    delivery.commitWaiting();
    EXPECT_EQ(delivery.finish({1, true}), std::nullopt);
    EXPECT_EQ(delivery.finish({2, false}), MessageId::CopiedCommitDropped);
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"\xF0\xA0\x80\x80"}));
    // A commit of another client, or one reported twice, is none of ours.
    EXPECT_EQ(delivery.finish({2, false}), std::nullopt);
    EXPECT_EQ(delivery.finish({77, false}), std::nullopt);
    EXPECT_EQ(clipboard.texts.size(), 1u);
}

TEST_F(WaylandPickTest, WithoutAddonThePickIsCopiedAndTheStatusLineSaysSo) {
    addon.running = false;
    const auto outcome = delivery.pick(0x4E00);
    EXPECT_EQ(*outcome, (PickOutcome{DeliveryRoute::Clipboard, false, false, MessageId::CopiedNoInputMethod}));
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"一"}));
}

TEST(PickWithoutSessionBus, CopiesLikeAnAbsentAddon) {
    platform::MemoryRegistryStore registry;
    RecordingClipboard clipboard;
    OutputService output{nullptr, registry, clipboard};
    PickDelivery delivery{output, nullptr};
    EXPECT_EQ(delivery.pick(0x4E00)->route, DeliveryRoute::Clipboard);
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"一"}));
}

}  // namespace
}  // namespace tesvik::program
