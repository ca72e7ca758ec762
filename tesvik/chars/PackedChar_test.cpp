#include "tesvik/chars/PackedChar.h"

#include <gtest/gtest.h>

namespace tesvik::chars {
namespace {

TEST(PackedChar, ScalarsAndPackedPairs) {
    struct Case {
        std::uint32_t scalar;
        PackedChar packed;
    };
    const Case cases[] = {
        {0x0041, 0x0041},      {0x4E00, 0x4E00},      {0xFFFF, 0xFFFF},
        {0x10000, 0xD800DC00}, {0x20000, 0xD840DC00}, {0x26951, 0xD85ADD51},
        {0x2B820, 0xD86EDC20}, {0xFFFFF, 0xDBBFDFFF}, {0x10FFFF, 0xDBFFDFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(packCodePoint(c.scalar), c.packed) << std::hex << c.scalar;
        EXPECT_EQ(codePointOf(c.packed), c.scalar) << std::hex << c.packed;
    }
}

TEST(PackedChar, RecordUnitsAreHighHalfFirst) {
    EXPECT_EQ(packUnits(0, 0x4E00), 0x4E00u);
    EXPECT_EQ(packUnits(0xD840, 0xDC00), 0xD840DC00u);
    EXPECT_EQ(surrogatesOf(0x20000), (SurrogatePair{0xD840, 0xDC00}));
}

TEST(PackedChar, Utf16TextOfACandidate) {
    EXPECT_EQ(utf16Of(0x4E00), u"\u4E00");
    EXPECT_EQ(utf16Of(0xD840DC00), u"\U00020000");
    EXPECT_EQ(utf16Of(0x20000, true), u"\U00020000");  // scalar on the radical and stroke pages
    EXPECT_EQ(utf16Of(0xD840DC00, true), u"\U00020000");
    EXPECT_EQ(utf16Of(0), std::u16string(1, u'\0'));
}

}  // namespace
}  // namespace tesvik::chars
