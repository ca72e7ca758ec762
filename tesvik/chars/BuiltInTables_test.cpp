#include "tesvik/chars/BuiltInTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace tesvik::chars {
namespace {

TEST(RadicalKeyAlias, FiledKeysAndKeysWithoutAlias) {
    struct Case {
        std::string key;
        std::string filed;
    };
    const Case cases[] = {
        {"01B0", "01B1"},  // first row
        {"03D0", "04E1"},  // files under a different stroke count
        {"09C4", "09C3"},  // last row
        {"03D1", "03D1"},  // between rows: no alias
        {"00AA", "00AA"},  // below the first row
        {"99ZZ", "99ZZ"},  // above the last row
        {"03d0", "03d0"},  // keys compare as given; the caller upper-cases
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(filedRadicalKey(c.key), c.filed) << c.key;
    }
}

TEST(RadicalUnifiedMap, EquivalentIdeographs) {
    EXPECT_EQ(unifiedFormOfRadical(0x2ED3), 0x957Fu);   // ⻓ -> 长
    EXPECT_EQ(unifiedFormOfRadical(0x2EBD), 0x26951u);  // plain supplementary code point
    EXPECT_EQ(unifiedFormOfRadical(0x2E9E), 0x6B7Au);
    EXPECT_EQ(unifiedFormOfRadical(0x2FC8), 0x9EC3u);
    EXPECT_EQ(unifiedFormOfRadical(0x2ED4), std::nullopt);
    EXPECT_EQ(unifiedFormOfRadical(0x2E80), std::nullopt);
    EXPECT_EQ(unifiedFormOfRadical(0x2FD5), std::nullopt);
}

TEST(BuiltInTables, OrderedTablesAreAscendingAsTheirSearchesAssume) {
    EXPECT_TRUE(std::is_sorted(RadicalUnifiedMap.begin(), RadicalUnifiedMap.end(),
                               [](CodePair a, CodePair b) { return a.from < b.from; }));
    EXPECT_TRUE(std::is_sorted(kRadicalKeyAliasTable.begin(), kRadicalKeyAliasTable.end(),
                               [](auto a, auto b) { return a.key < b.key; }));
}

TEST(CompatTables, RadicalsAndUnifiedTwins) {
    EXPECT_EQ(compatRadicalOf(0xF92C), 0x2ECFu);
    EXPECT_EQ(compatRadicalOf(0xFA14), 0x2F4Au);  // shares its radical with FA13
    EXPECT_EQ(compatRadicalOf(0xFA29), 0x2ED6u);
    EXPECT_EQ(compatRadicalOf(0xFA10), std::nullopt);  // not a GBK compatibility ideograph

    EXPECT_EQ(unifiedTwinOfCompat(0xFA20), 0x8612u);
    EXPECT_EQ(unifiedTwinOfCompat(0xFA0E), std::nullopt);  // has a radical but no twin
    EXPECT_EQ(compatTwinOfUnified(0x90DE), 0xF92Cu);
    EXPECT_EQ(compatTwinOfUnified(0x4E00), std::nullopt);
}

TEST(PrivateUseSymbolList, RangesInTheProgramsOrder) {
    EXPECT_EQ(PrivateUseSymbolList.front(), 0xE76Cu);
    EXPECT_EQ(PrivateUseSymbolList[1], 0xE78Du);
    EXPECT_EQ(PrivateUseSymbolList.back(), 0xF88Fu);
    struct Case {
        std::uint32_t code;
        bool listed;
    };
    const Case cases[] = {
        {0xE76C, true},  {0xE76D, false}, {0xE78C, false}, {0xE796, true},  {0xE797, false}, {0xE7C7, true},
        {0xE7C8, true},  {0xE7E7, true},  {0xE7F3, true},  {0xE814, false}, {0xE815, true},  {0xE864, true},
        {0xE865, false}, {0xF87F, false}, {0xF880, true},  {0xF88F, true},  {0xF890, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isPrivateUseSymbol(c.code), c.listed) << std::hex << c.code;
    }
}

}  // namespace
}  // namespace tesvik::chars
