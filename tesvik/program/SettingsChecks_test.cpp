#include "tesvik/program/SettingsChecks.h"

#include <gtest/gtest.h>

namespace tesvik::program {
namespace {

TEST(HotKeyControl, InvalidCombinationsBecomeCtrl) {
    struct Case {
        std::uint8_t in, out;
    };
    const Case cases[] = {
        {0, kHotKeyControl},
        {kHotKeyShift, kHotKeyControl},
        {kHotKeyAlt, kHotKeyControl},
        {kHotKeyShift | kHotKeyControl, kHotKeyControl},
        {kHotKeyControl | kHotKeyAlt, kHotKeyControl},
        {kHotKeyControl, kHotKeyControl},
        {kHotKeyShift | kHotKeyAlt, kHotKeyShift | kHotKeyAlt},
        {kHotKeyShift | kHotKeyControl | kHotKeyAlt, kHotKeyShift | kHotKeyControl | kHotKeyAlt},
        {kHotKeyExtended | kHotKeyAlt, kHotKeyExtended | kHotKeyControl},
    };
    for (const Case& c : cases) EXPECT_EQ(hotKeyControlModifiers(c.in), c.out) << int(c.in);
    EXPECT_EQ(unpackHotKey(packHotKey({0x41, kHotKeyControl})), (HotKey{0x41, kHotKeyControl}));
    EXPECT_EQ(packHotKey({0x41, kHotKeyControl}), 0x0241);
}

TEST(StrokeKeysEdit, TheFirstOffendingCharacterIsSelected) {
    struct Case {
        std::string text;
        std::optional<std::size_t> characterIndex, byteOffset, byteLength;
    };
    const Case cases[] = {
        {"12345", {}, {}, {}}, {"ABCDE", {}, {}, {}}, {"", {}, {}, {}},   {"1,2,3", 1, 1, 1}, {"ab横cd!", 2, 2, 3},
        {"横,", 0, 0, 3},      {"abc d", 3, 3, 1},    {"a\xFF", 1, 1, 1},  // a stray byte is one character
    };
    for (const Case& c : cases) {
        const auto refused = checkStrokeKeyCharacters(c.text);
        ASSERT_EQ(refused.has_value(), c.characterIndex.has_value()) << c.text;
        if (!refused) continue;
        EXPECT_EQ(refused->message.id, MessageId::StrokeKeyCharacterInvalid);
        EXPECT_EQ(refused->characterIndex, *c.characterIndex) << c.text;
        EXPECT_EQ(refused->byteOffset, *c.byteOffset) << c.text;
        EXPECT_EQ(refused->byteLength, *c.byteLength) << c.text;
    }
}

TEST(SettingsConfirmation, ChecksInOrder) {
    struct Case {
        const char* name;
        HotKey hotKey;
        std::string strokeKeys;
        std::optional<MessageId> refusal;
        SettingsField focus = SettingsField::StrokeKeys;
    };
    const Case cases[] = {
        {"capitals accepted", {0x41, kHotKeyControl}, "HJKLN", {}},
        {"no hot key accepted", {0, 0}, "12345", {}},
        {"digit key accepted", {0x39, kHotKeyControl}, "12345", {}},
        {"more than five accepted", {0, 0}, "1234567", {}},
        {"F5 refused", {0x74, kHotKeyControl}, "12345", MessageId::HotKeyNotAllowed, SettingsField::HotKey},
        {"hot key checked first", {0x74, 0}, "1,2", MessageId::HotKeyNotAllowed, SettingsField::HotKey},
        {"comma refused", {0, 0}, "1,2,3,4,5", MessageId::StrokeKeyCharacterInvalid},
        {"four refused", {0, 0}, "1234", MessageId::StrokeKeysNeedFive},
        {"empty refused", {0, 0}, "", MessageId::StrokeKeysNeedFive},
    };
    for (const Case& c : cases) {
        const auto checked = checkSettingsConfirmation(c.hotKey, c.strokeKeys);
        ASSERT_EQ(checked.ok(), !c.refusal.has_value()) << c.name;
        if (checked) continue;
        EXPECT_EQ(checked.error().message.id, *c.refusal) << c.name;
        EXPECT_EQ(checked.error().focus, c.focus) << c.name;
    }
    const auto accepted = checkSettingsConfirmation({0x41, kHotKeyControl}, "HJKLN");
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted->strokeKeys, "hjkln");
    const auto comma = checkSettingsConfirmation({0, 0}, "1,2,3,4,5");
    ASSERT_TRUE(comma.error().selection);
    EXPECT_EQ(comma.error().selection->characterIndex, 1u);
}

}  // namespace
}  // namespace tesvik::program
