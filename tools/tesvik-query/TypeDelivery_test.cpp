#include "tools/tesvik-query/TypeDelivery.h"

#include "tesvik/program/OutputFakes_testing.h"

#include <gtest/gtest.h>

namespace tesvik::query {
namespace {

using program::testing::FakeAddon;
using program::testing::FakeDesktop;

class TypeTextTest : public ::testing::Test {
protected:
    TypeTextTest() {
        routes.addon = &addon;
        routes.desktop = &desktop;
        routes.copy = [this](const std::string& utf8) -> lumenar::Status<std::string> {
            if (!clipboardWorks) return lumenar::Status<std::string>::failure("wl-copy failed");
            copied.push_back(utf8);
            return {};
        };
        routes.commitWaitMs = 0;
    }

    FakeAddon addon;
    FakeDesktop desktop;
    bool clipboardWorks = true;
    std::vector<std::string> copied;
    TypeRoutes routes;
    const std::u32string text = U"\u4E00\uE650\U00020000";
    const std::string utf8 = "一\xEE\x99\x90\xF0\xA0\x80\x80";
};

TEST_F(TypeTextTest, AddonTakesTheWholeTextAtOnceAndNoKeyIsTyped) {
    EXPECT_EQ(typeText(text, routes).result, TypeResult::HandedToInputMethod);
    EXPECT_EQ(addon.commits, (std::vector<std::string>{utf8 + " not tesvik"}));
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_TRUE(copied.empty());
}

TEST_F(TypeTextTest, DroppedOrUnansweredCommitGoesToTheClipboard) {
    for (const std::optional<bool> answer : {std::optional<bool>(false), std::optional<bool>()}) {
        addon.deliveredAtOnce = answer;
        copied.clear();
        EXPECT_EQ(typeText(text, routes), (TypeOutcome{TypeResult::Copied, MessageId::CopiedCommitDropped, {}}));
        EXPECT_EQ(copied, (std::vector<std::string>{utf8}));
    }
}

TEST_F(TypeTextTest, AnotherCommitsOutcomeIsNotOurs) {
    addon.deliveredAtOnce.reset();
    addon.finishing.push_back({99, true});
    EXPECT_EQ(typeText(text, routes).result, TypeResult::Copied);
}

TEST_F(TypeTextTest, WithoutAddonX11TypesEachCharacter) {
    addon.running = false;
    EXPECT_EQ(typeText(text, routes).result, TypeResult::TypedWithKeys);
    EXPECT_EQ(desktop.typed, text);
}

TEST_F(TypeTextTest, TypingThatFailsCopiesWhatWasNotTyped) {
    addon.running = false;
    desktop.typingSucceeds = false;
    EXPECT_EQ(typeText(text, routes), (TypeOutcome{TypeResult::Copied, MessageId::CopiedTypingFailed, {}}));
    EXPECT_EQ(copied, (std::vector<std::string>{utf8}));
}

TEST_F(TypeTextTest, NoRouteCopiesAndSaysWhenTheClipboardFails) {
    routes.addon = nullptr;
    routes.desktop = nullptr;
    EXPECT_EQ(typeText(text, routes).result, TypeResult::Copied);
    clipboardWorks = false;
    EXPECT_EQ(typeText(text, routes),
              (TypeOutcome{TypeResult::NotCopied, MessageId::CopiedNoInputMethod, "wl-copy failed"}));
}

}  // namespace
}  // namespace tesvik::query
