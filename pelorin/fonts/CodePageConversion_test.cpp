#include "pelorin/fonts/CodePageConversion.h"
#include "pelorin/fonts/EudcPrivateUseRows.h"

#include <gtest/gtest.h>

#include <set>

namespace pelorin::fonts {
namespace {

struct KnownCode {
    std::uint16_t codePage;
    std::uint16_t code;
    std::uint16_t unicode;
};

// Ordinary characters, and the first and last code of every EUDC row block.
const KnownCode kKnown[] = {
    {936, 0xB0A1, 0x554A},  {936, 0xAAA1, 0xE000},  {936, 0xAFFE, 0xE233}, {936, 0xF8A1, 0xE234},
    {936, 0xFEFE, 0xE4C5},  {936, 0xA140, 0xE4C6},  {936, 0xA7A0, 0xE765}, {950, 0xA440, 0x4E00},
    {950, 0xFA40, 0xE000},  {950, 0xFEFE, 0xE310},  {950, 0x8E40, 0xE311}, {950, 0xA0FE, 0xEEB7},
    {950, 0x8140, 0xEEB8},  {950, 0x8DFE, 0xF6B0},  {950, 0xC6A1, 0xF6B1}, {950, 0xC740, 0xF70F},
    {950, 0xC8FE, 0xF848},  {932, 0x82A0, 0x3042},  {932, 0xF040, 0xE000}, {932, 0xF9FC, 0xE757},
    {949, 0xB0A1, 0xAC00},  {949, 0xC9A1, 0xE000},  {949, 0xFEFE, 0xE0BB}, {1361, 0x8861, 0xAC00},
    {1361, 0xD831, 0xE000}, {1361, 0xD8FE, 0xE0BB}, {0, 0xE3A0, 0xE3A0},   {0, 0x4E00, 0x4E00},
};

TEST(CodePageConversion, KnownCodesConvertBothWays) {
    for (const KnownCode& known : kKnown) {
        SCOPED_TRACE(testing::Message() << known.codePage << " " << std::hex << known.code);
        EXPECT_EQ(toUnicode(known.codePage, known.code), known.unicode);
        EXPECT_EQ(toLibraryCode(known.codePage, known.unicode), known.code);
    }
}

TEST(CodePageConversion, CodesWithoutACharacterAreRejected) {
    EXPECT_EQ(toUnicode(936, 0x4141), std::nullopt);   // two single-byte letters
    EXPECT_EQ(toUnicode(932, 0xAAA1), std::nullopt);   // two half-width katakana
    EXPECT_EQ(toUnicode(950, 0xFF40), std::nullopt);   // no lead byte
    EXPECT_EQ(toUnicode(1252, 0xB0A1), std::nullopt);  // not a supported code page
    EXPECT_EQ(toLibraryCode(936, 0x0041), 0);          // one byte only
    EXPECT_EQ(toLibraryCode(949, 0xF8FF), 0);          // a private-use point with no EUDC code
}

// Every EUDC code of a code page has its own Private Use Area point, the
// points follow one another from U+E000, and the reverse gives the code back.
TEST(EudcPrivateUseRows, EveryRowCodeHasItsOwnPointAndBack) {
    const struct {
        std::uint16_t codePage;
        std::size_t count;
    } kCounts[] = {{936, 1894}, {950, 6217}, {932, 1880}, {949, 188}, {1361, 188}};
    for (const auto& expected : kCounts) {
        SCOPED_TRACE(expected.codePage);
        std::set<std::uint16_t> points;
        for (std::uint32_t code = 0x8000; code <= 0xFFFF; ++code) {
            const auto point = privateUseOfEudcCode(expected.codePage, static_cast<std::uint16_t>(code));
            if (!point) continue;
            EXPECT_TRUE(points.insert(*point).second) << std::hex << code;
            EXPECT_EQ(eudcCodeOfPrivateUse(expected.codePage, *point), code);
        }
        ASSERT_EQ(points.size(), expected.count);
        EXPECT_EQ(*points.begin(), 0xE000);
        EXPECT_EQ(*points.rbegin(), 0xE000 + expected.count - 1);
    }
}

TEST(CodePageConversion, LanguageAndCmapEncodingRules) {
    EXPECT_EQ(languageIdOfCodePage(932), 1041);
    EXPECT_EQ(languageIdOfCodePage(936), 2052);
    EXPECT_EQ(languageIdOfCodePage(950), 1028);
    EXPECT_EQ(languageIdOfCodePage(1361), 1033);
    EXPECT_TRUE(cmapEncodingSuits(950, 1));
    EXPECT_TRUE(cmapEncodingSuits(950, 4));
    EXPECT_FALSE(cmapEncodingSuits(950, 3));
    EXPECT_TRUE(cmapEncodingSuits(1361, 6));
    EXPECT_FALSE(cmapEncodingSuits(0, 3));
}

}  // namespace
}  // namespace pelorin::fonts
