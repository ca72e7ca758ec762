#include "tesvik/lookup/CharacterInfo.h"

#include <gtest/gtest.h>

namespace tesvik::lookup {
namespace {

const CharacterDataFolders kShipped{LUMENAR_DATA_DIR, "/nonexistent"};

TEST(CharacterInfo, RegisterCharacterAndItsStandardTwinKnowEachOther) {
    const CharacterInfo pua = describeCharacter(0xE000, kShipped);
    EXPECT_EQ(pua.standardTwin, 0x3405u);
    EXPECT_EQ(pua.registerTwin, std::nullopt);
    EXPECT_EQ(pua.unicodeCode, "E000");
    EXPECT_EQ(pua.gb18030Code, "AAA1");
    EXPECT_EQ(pua.codeSpace, chars::CodeSpaceColour::GBKEUDCColor);
    const CharacterInfo standard = describeCharacter(0x3405, kShipped);
    EXPECT_EQ(standard.registerTwin, 0xE000u);
    EXPECT_EQ(standard.readings, pua.readings);  // the register character reads as its twin
    EXPECT_FALSE(standard.readings.empty());

    // Register characters whose standard side is in Extension C or D too.
    EXPECT_EQ(describeCharacter(0xE650, kShipped).standardTwin, chars::packCodePoint(0x2A9D4));
    EXPECT_EQ(describeCharacter(0x2A9D4, kShipped).registerTwin, 0xE650u);
}

TEST(CharacterInfo, FilingsOfAnExtensionBCharacterGivenAsScalarOrPair) {
    const CharacterInfo packed = describeCharacter(0xD840DC00, kShipped);
    const CharacterInfo scalar = describeCharacter(0x20000, kShipped);
    EXPECT_EQ(packed.value, 0xD840DC00u);
    EXPECT_EQ(scalar.value, packed.value);
    ASSERT_FALSE(packed.strokes.empty());
    EXPECT_EQ(packed.strokes.front(), (StrokeFiling{2, "15", false}));
    ASSERT_FALSE(packed.radicals.empty());
    EXPECT_EQ(packed.radicals.front(), (RadicalFiling{0x2F00, 1, false}));
    EXPECT_EQ(scalar.strokes, packed.strokes);
}

TEST(CharacterInfo, MissingFilesLeaveOnlyTheCodes) {
    const CharacterInfo info = describeCharacter(0x4E00, {"/nonexistent", "/nonexistent"});
    EXPECT_EQ(info.unicodeCode, "4E00");
    EXPECT_EQ(info.block, MessageId::BlockCjkUnified);
    EXPECT_TRUE(info.strokes.empty());
    EXPECT_TRUE(info.radicals.empty());
    EXPECT_TRUE(info.readings.empty());
}

TEST(CharacterInfo, FirstCharacterOfUtf8Text) {
    struct Case {
        const char* text;
        std::optional<chars::PackedChar> expected;
    };
    const Case cases[] = {
        {"A", 0x41},
        {"一二", 0x4E00},
        {"\xF0\xA0\x80\x80", 0xD840DC00},  // U+20000
        {"", std::nullopt},
        {"\xE4\xB8", std::nullopt},          // cut short
        {"\xC0\x80", std::nullopt},          // overlong
        {"\xED\xA0\x80", std::nullopt},      // a surrogate
        {"\xF4\x90\x80\x80", std::nullopt},  // past U+10FFFF
        {"\x80", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(firstCharacterOf(c.text), c.expected) << c.text;
}

}  // namespace
}  // namespace tesvik::lookup
