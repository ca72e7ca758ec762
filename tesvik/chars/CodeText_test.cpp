#include "tesvik/chars/CodeText.h"

#include "tesvik/chars/CodeValue.h"

#include <gtest/gtest.h>

#include <string>

namespace tesvik::chars {
namespace {

TEST(CodeText, UnicodeAndGb18030TextOfAValue) {
    struct Case {
        std::uint32_t value;
        const char* unicode;
        const char* gb18030;
    };
    const Case cases[] = {
        {0x0041, "0041", "0041"},
        {0x0000, "0000", "0000"},
        {0x4E00, "4E00", "D2BB"},
        {0x3400, "3400", "8139EE39"},
        {0xE000, "E000", "AAA1"},
        {0xE650, "E650", "A54A"},
        {0x9FBB, "9FBB", "82359134"},
        {0xE81E, "E81E", "FE59"},
        {0x20000, "20000", "95328236"},     // scalar on the radical and stroke-order pages
        {0xD840DC00, "20000", "95328236"},  // the same character packed
        {0xD86EDC20, "2B820", "9839B632"},
        {0x10FFFF, "10FFFF", "E3329A35"},
        {0xFFFFF, "FFFFF", "DE309839"},  // a scalar, not a packed pair
        // Values that name no character: the scalar text shows the value,
        // the GB18030 text the converter's substitute "?".
        {0xD800, "D800", "003F"},
        {0xD800E000, "D800E000", "003F"},
        {0x110000, "110000", "003F"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(codeText(c.value, CodeFormat::Unicode), c.unicode) << std::hex << c.value;
        EXPECT_EQ(codeText(c.value, CodeFormat::Gb18030), c.gb18030) << std::hex << c.value;
    }
}

TEST(CodeText, SwitchingFormats) {
    struct Case {
        const char* text;
        CodeFormat to;
        const char* result;
    };
    const Case cases[] = {
        {"4E00", CodeFormat::Gb18030, "D2BB"},
        {"D2BB", CodeFormat::Unicode, "4E00"},
        {"d2bb", CodeFormat::Unicode, "4E00"},
        {"0041", CodeFormat::Gb18030, "0041"},
        {"0041", CodeFormat::Unicode, "0041"},  // one byte: left as it is
        {"41", CodeFormat::Unicode, "0041"},
        {"20000", CodeFormat::Gb18030, "95328236"},
        {"95328236", CodeFormat::Unicode, "20000"},
        {"3400", CodeFormat::Gb18030, "8139EE39"},
        {"8139EE39", CodeFormat::Unicode, "3400"},
        {"81308130", CodeFormat::Unicode, "0080"},
        {"E650", CodeFormat::Gb18030, "A54A"},
        {"A54A", CodeFormat::Unicode, "E650"},
        {"A8BC", CodeFormat::Unicode, "E7C7"},
        {"FFFF", CodeFormat::Unicode, "FFFF"},  // no GB18030 code: digits kept
        {"4142", CodeFormat::Unicode, "4142"},  // two characters: digits kept
        {"00414E00", CodeFormat::Unicode, "00414E00"},
        {"8431A530", CodeFormat::Unicode, "8431A530"},
        {"zz", CodeFormat::Unicode, "zz"},  // no number: unchanged
        {"zz", CodeFormat::Gb18030, "zz"},
        {"", CodeFormat::Gb18030, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(switchCodeFormat(c.text, c.to), c.result) << c.text << " to " << static_cast<int>(c.to);
    }
}

TEST(CodeText, SwitchingThereAndBackRestoresTheUnicodeText) {
    for (std::uint32_t value : {0x0041u, 0x00B7u, 0x4E00u, 0x3400u, 0xE000u, 0xE650u, 0xE7C7u, 0xF92Cu, 0xFFFFu,
                                0x20000u, 0x2A6D6u, 0x2B820u, 0xD840DC00u}) {
        const std::string unicode = unicodeCodeText(value);
        const std::string gb = switchCodeFormat(unicode, CodeFormat::Gb18030);
        EXPECT_EQ(gb, gb18030CodeText(value)) << unicode;
        if (value >= 0x100) {
            EXPECT_EQ(switchCodeFormat(gb, CodeFormat::Unicode), unicode) << gb;
        }
    }
}

TEST(CodeText, DescribeForTheStatusLine) {
    const CodeDisplay d = describeCode(0xD840DC00, CodeFormat::Gb18030);
    EXPECT_EQ(d.codeText, "95328236");
    EXPECT_EQ(d.blockName, MessageId::BlockCjkExtensionB);  // by its own block, not the packed value
    EXPECT_EQ(d.colour, CodeSpaceColour::CJKKZBCOLOR);
    EXPECT_EQ(messageText(codeFormatName(CodeFormat::Unicode)), "Unicode(十六进制)");
    EXPECT_EQ(messageText(codeFormatName(CodeFormat::Gb18030)), "GB18030(十六进制)");
}

TEST(CodeValue, ReadingHexadecimal) {
    struct Case {
        const char* text;
        std::optional<std::uint32_t> value;
    };
    const Case cases[] = {
        {"4E00", 0x4E00},
        {"4e00", 0x4E00},
        {" 41", 0x41},
        {"0x20000", 0x20000},
        {"D840DC00", 0xD840DC00},
        {"FFFFFFFF", 0xFFFFFFFF},
        {"100000000", std::nullopt},
        {"12g4", 0x12},
        {"g", std::nullopt},
        {"", std::nullopt},
        {"0x", 0},
        {"-1", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseHexValue(c.text), c.value) << c.text;
    }
}

}  // namespace
}  // namespace tesvik::chars
