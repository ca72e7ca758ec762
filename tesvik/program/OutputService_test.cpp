#include "tesvik/program/OutputService.h"

#include "platform/MemoryRegistryStore.h"
#include "tesvik/program/OutputFakes_testing.h"
#include "tesvik/program/ProfileRegistry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tesvik::program {
namespace {

using testing::FakeDesktop;
using testing::RecordingClipboard;

constexpr platform::WindowId kMainWindow = 100;
constexpr platform::WindowId kEditor = 200;
constexpr platform::WindowId kTerminal = 300;

class OutputServiceTest : public ::testing::Test {
protected:
    OutputServiceTest() {
        desktop.windows = {kMainWindow, kEditor, kTerminal};
        service.setOwnWindow(kMainWindow);
    }

    void focus(platform::WindowId window) {
        desktop.active = window;
        service.trackForeground();
    }

    FakeDesktop desktop;
    platform::MemoryRegistryStore registry;
    RecordingClipboard clipboard;
    OutputService service{&desktop, registry, clipboard};
};

TEST_F(OutputServiceTest, ActiveWindowOfAnotherProgramBecomesTarget) {
    EXPECT_EQ(service.target(), 0u);
    focus(kEditor);
    EXPECT_EQ(service.target(), kEditor);
    focus(kTerminal);
    EXPECT_EQ(service.target(), kTerminal);
}

TEST_F(OutputServiceTest, OwnMainWindowNeverBecomesTarget) {
    focus(kMainWindow);
    EXPECT_EQ(service.target(), 0u);
    focus(kEditor);
    focus(kMainWindow);
    EXPECT_EQ(service.target(), kEditor);
}

TEST_F(OutputServiceTest, NoActiveWindowKeepsTarget) {
    focus(kEditor);
    focus(0);
    EXPECT_EQ(service.target(), kEditor);
}

TEST_F(OutputServiceTest, TrackingRunsPendingDesktopWorkFirst) {
    focus(kEditor);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"pending", "activeWindow"}));
}

TEST_F(OutputServiceTest, DeliveryActivatesTargetThenTypes) {
    focus(kEditor);
    focus(kMainWindow);
    desktop.calls.clear();
    const DeliveryOutcome outcome = service.deliver(0x4E00);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"isWindow 200", "activate 200", "type 19968"}));
    EXPECT_TRUE(outcome.typed);
    EXPECT_FALSE(outcome.copiedInstead);
    EXPECT_EQ(deliveryNotice(outcome), std::nullopt);
    EXPECT_TRUE(clipboard.texts.empty());
}

TEST_F(OutputServiceTest, SupplementaryCharacterIsTypedAsOneScalar) {
    focus(kEditor);
    service.deliver(chars::packCodePoint(0x20000));
    service.deliver(0x20001);  // lists that carry scalars
    EXPECT_EQ(desktop.typed, (std::u32string{U'\U00020000', U'\U00020001'}));
}

TEST_F(OutputServiceTest, HideFollowsRegistryValueWithDefaultOne) {
    focus(kEditor);
    EXPECT_TRUE(service.deliver(0x4E00).hideMainWindow);
    ASSERT_TRUE(writeProfileInt(registry, "Tesvik", ProfileValue::Hide, 0));
    EXPECT_FALSE(service.deliver(0x4E00).hideMainWindow);
    ASSERT_TRUE(writeProfileInt(registry, "Tesvik", ProfileValue::Hide, 2));
    EXPECT_TRUE(service.deliver(0x4E00).hideMainWindow);
}

TEST_F(OutputServiceTest, DestroyedTargetIsNoTargetAndTheCharacterIsCopied) {
    focus(kEditor);
    desktop.windows.erase(kEditor);
    desktop.calls.clear();
    const DeliveryOutcome outcome = service.deliver(0xE815);
    EXPECT_EQ(desktop.calls, (std::vector<std::string>{"isWindow 200"}));
    EXPECT_EQ(outcome, (DeliveryOutcome{false, true, false, DeliveryProblem::NoTarget}));
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"\xEE\xA0\x95"}));
    EXPECT_EQ(service.target(), 0u);
    EXPECT_EQ(deliveryNotice(outcome), MessageId::CopiedNoTarget);
}

TEST_F(OutputServiceTest, WithoutTargetTheCharacterIsCopied) {
    const DeliveryOutcome outcome = service.deliver(0x4E00);
    EXPECT_EQ(outcome.problem, DeliveryProblem::NoTarget);
    EXPECT_TRUE(desktop.typed.empty());
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"一"}));
}

TEST_F(OutputServiceTest, FailedActivationOrTypingCopiesInstead) {
    focus(kEditor);
    desktop.activationSucceeds = false;
    const DeliveryOutcome notActive = service.deliver(0x4E00);
    EXPECT_EQ(notActive.problem, DeliveryProblem::TargetNotActivated);
    EXPECT_TRUE(desktop.typed.empty());
    desktop.activationSucceeds = true;
    desktop.typingSucceeds = false;
    const DeliveryOutcome notTyped = service.deliver(0x4E01);
    EXPECT_EQ(notTyped, (DeliveryOutcome{false, true, false, DeliveryProblem::TypingFailed}));
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"一", "丁"}));
}

TEST(OutputServiceWithoutDisplay, DeliveryCopiesToClipboard) {
    platform::MemoryRegistryStore registry;
    RecordingClipboard clipboard;
    OutputService service(nullptr, registry, clipboard);
    service.setOwnWindow(kMainWindow);
    service.trackForeground();
    const DeliveryOutcome outcome = service.deliver(chars::packCodePoint(0x20000));
    EXPECT_EQ(outcome, (DeliveryOutcome{false, true, false, DeliveryProblem::NoDesktop}));
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"\xF0\xA0\x80\x80"}));
    EXPECT_EQ(deliveryNotice(outcome), MessageId::CopiedNoDesktop);
}

TEST_F(OutputServiceTest, ValuesThatAreNoCharacterDoNothing) {
    focus(kEditor);
    desktop.calls.clear();
    for (const chars::PackedChar value : {0x0u, 0xD800u, 0xDC00u, 0x00110000u, 0xDC00D800u, 0xD8000041u}) {
        EXPECT_EQ(service.deliver(value), DeliveryOutcome{}) << std::hex << value;
        service.copy(value);
    }
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_TRUE(clipboard.texts.empty());
}

TEST_F(OutputServiceTest, CopyPutsUtf8OnClipboard) {
    service.copy(0x41);
    service.copy(0xE9);
    service.copy(0x4E00);
    service.copy(chars::packCodePoint(0x2A6D6));
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"A", "\xC3\xA9", "一", "\xF0\xAA\x9B\x96"}));
    EXPECT_TRUE(desktop.calls.empty());
}

TEST(ScalarOfCandidate, PackedPairsBmpUnitsAndScalars) {
    EXPECT_EQ(scalarOfCandidate(0xD840DC00), U'\U00020000');
    EXPECT_EQ(scalarOfCandidate(0xDBFFDFFF), U'\U0010FFFF');
    EXPECT_EQ(scalarOfCandidate(0xFFFD), U'\uFFFD');
    EXPECT_EQ(scalarOfCandidate(0x2B81D), U'\U0002B81D');
    EXPECT_EQ(scalarOfCandidate(0xDFFF), std::nullopt);
}

}  // namespace
}  // namespace tesvik::program
