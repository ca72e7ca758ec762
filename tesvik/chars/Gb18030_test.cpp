#include "tesvik/chars/Gb18030.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace tesvik::chars {
namespace {

std::string hexOf(std::span<const std::uint8_t> bytes) {
    std::string text;
    char digits[3];
    for (std::uint8_t b : bytes) {
        std::snprintf(digits, sizeof digits, "%02X", b);
        text += digits;
    }
    return text;
}

std::vector<std::uint8_t> bytesOf(std::uint32_t code, std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = (code >> (8 * (size - 1 - i))) & 0xFF;
    return bytes;
}

// Code page 54936 follows GB18030-2000: the vertical forms and the FExx
// components stay in the Private Use Area, and A8BC is U+E7C7 (later editions
// moved these to standard code points).
TEST(Gb18030, CodePage54936Bytes) {
    struct Case {
        char32_t scalar;
        const char* bytes;
    };
    const Case cases[] = {
        {0x0000, "00"},
        {0x0041, "41"},
        {0x007F, "7F"},
        {0x0080, "81308130"},
        {0x4E00, "D2BB"},
        {0x3400, "8139EE39"},
        {0x9FA5, "FD9B"},
        {0x9FA6, "82358F33"},
        {0x9FBB, "82359134"},
        {0xE000, "AAA1"},
        {0xE650, "A54A"},
        {0xE5E5, "A3A0"},
        {0xE76C, "8336C739"},
        {0xE864, "FEA0"},
        {0xE865, "8336D030"},
        {0xF92C, "FD9C"},
        {0xFA29, "FE4F"},
        {0x20AC, "A2E3"},
        {0x00B7, "A1A4"},
        {0x2014, "A1AA"},
        {0xFFFF, "8431A439"},
        // The mappings later editions changed.
        {0xE78D, "A6D9"},
        {0xE796, "A6F3"},
        {0xFE10, "84318236"},
        {0xE816, "FE51"},
        {0xE855, "FE91"},
        {0x9FB4, "82359037"},
        {0xE7C7, "A8BC"},
        {0x1E3F, "8135F437"},
        {0x01F9, "A8BF"},
        {0xE7C8, "8336C830"},
        {0x303E, "A989"},
        {0x2FF0, "A98A"},
        {0x2FFB, "A995"},
        {0xE7E7, "8336C831"},
        // Supplementary planes are linear from 90308130.
        {0x10000, "90308130"},
        {0x20000, "95328236"},
        {0x20087, "95329031"},
        {0x2A6D6, "9835F336"},
        {0x2B740, "98399F38"},
        {0x10FFFF, "E3329A35"},
    };
    for (const Case& c : cases) {
        const auto code = encodeGb18030(c.scalar);
        ASSERT_TRUE(code) << std::hex << static_cast<std::uint32_t>(c.scalar);
        EXPECT_EQ(hexOf(code->view()), c.bytes) << std::hex << static_cast<std::uint32_t>(c.scalar);
        EXPECT_EQ(decodeGb18030(code->view()), c.scalar) << c.bytes;
    }
}

TEST(Gb18030, ScalarsWithoutCode) {
    for (char32_t c : {char32_t{0xD800}, char32_t{0xDBFF}, char32_t{0xDC00}, char32_t{0xDFFF}, char32_t{0x110000},
                       char32_t{0xD840DC00}}) {
        EXPECT_FALSE(encodeGb18030(c)) << std::hex << static_cast<std::uint32_t>(c);
    }
}

TEST(Gb18030, BytesThatAreNotOneCode) {
    const std::vector<std::vector<std::uint8_t>> cases = {
        {},
        {0x80},  // no single-byte code
        {0xFF},
        {0x81},        // lead byte alone
        {0x81, 0x7F},  // trail 7F is not used
        {0x81, 0x3F},
        {0xFF, 0xA1},
        {0x41, 0x42},  // two characters
        {0x81, 0x30, 0x81},
        {0x84, 0x31, 0xA5, 0x30},  // just past U+FFFF
        {0x8F, 0x39, 0xFE, 0x39},  // just before U+10000
        {0xE3, 0x32, 0x9A, 0x36},  // just past U+10FFFF
        {0xFE, 0x39, 0xFE, 0x39},
        {0x81, 0x30, 0x81, 0x3A},  // digit out of range
        {0x81, 0x30, 0x80, 0x30},
        {0xD2, 0xBB, 0x41},
        {0x95, 0x32, 0x82, 0x36, 0x00},
    };
    for (const auto& bytes : cases) {
        EXPECT_FALSE(decodeGb18030(bytes)) << hexOf(bytes);
    }
}

TEST(Gb18030, EveryBmpScalarRoundTrips) {
    std::size_t byLength[5] = {};
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const auto code = encodeGb18030(c);
        ASSERT_TRUE(code) << std::hex << static_cast<std::uint32_t>(c);
        ASSERT_EQ(decodeGb18030(code->view()), c) << std::hex << static_cast<std::uint32_t>(c);
        ++byLength[code->size];
    }
    EXPECT_EQ(byLength[1], 128u);
    EXPECT_EQ(byLength[2], 23940u);
    EXPECT_EQ(byLength[4], 0x10000u - 0x800u - 128u - 23940u);
}

TEST(Gb18030, EveryTwoByteCodeRoundTrips) {
    for (std::uint32_t lead = 0x81; lead <= 0xFE; ++lead) {
        for (std::uint32_t trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const auto bytes = bytesOf(lead << 8 | trail, 2);
            const auto scalar = decodeGb18030(bytes);
            ASSERT_TRUE(scalar) << hexOf(bytes);
            const auto code = encodeGb18030(*scalar);
            ASSERT_TRUE(code);
            ASSERT_EQ(hexOf(code->view()), hexOf(bytes));
        }
    }
}

}  // namespace
}  // namespace tesvik::chars
