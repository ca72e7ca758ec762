#include "tesvik/lookup/symbol/SymbolLookup.h"

#include "tesvik/lookup/symbol/SymbolSubsetTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tesvik::lookup {
namespace {

TEST(SymbolSubsets, EverySubsetListsItsCount) {
    const std::size_t counts[] = {95, 96, 8,  9,    2,  5,     48,   66,  16,  1,  5,  22, 8,
                                  37, 1,  50, 112,  18, 15,    13,   115, 214, 12, 34, 87, 89,
                                  37, 12, 11, 6582, 64, 20924, 4823, 122, 21,  27, 25, 100};
    ASSERT_EQ(std::size(counts), SymbolSubsetTable.size());
    for (std::size_t i = 0; i < SymbolSubsetTable.size(); ++i) {
        EXPECT_EQ(symbolSubsetCharacters(i).size(), counts[i]) << SymbolSubsetTable[i].name;
    }
    EXPECT_TRUE(symbolSubsetCharacters(SymbolSubsetTable.size()).empty());
}

TEST(SymbolSubsets, SourcesOfTheTellingSubsets) {
    const auto radicals = symbolSubsetCharacters(20);
    EXPECT_EQ(std::count(radicals.begin(), radicals.end(), 0x2E9Au), 0);
    EXPECT_EQ(radicals.front(), 0x2E80u);
    EXPECT_EQ(radicals.back(), 0x2EF3u);

    EXPECT_EQ(symbolSubsetCharacters(9), std::vector<std::uint32_t>{0x20AC});
    EXPECT_EQ(symbolSubsetCharacters(32).front(), 0xE000u);  // PuaRadicalMap order
    EXPECT_EQ(symbolSubsetCharacters(32).back(), 0xFA29u);
    EXPECT_EQ(symbolSubsetCharacters(33).front(), 0xE76Cu);
    EXPECT_EQ(symbolSubsetCharacters(34).front(), 0xF92Cu);
}

TEST(SymbolFollowUp, TheListFollowsTheSelectedCharacter) {
    struct Case {
        std::uint32_t value;
        std::optional<std::size_t> row;
    };
    const Case cases[] = {
        {0x0041, 0},  {0x20AC, 9},  {0x2E9A, 20},           {0xE000, 32},
        {0xE815, 33}, {0xE864, 33}, {0xE865, 32},           {0xF880, 33},
        {0xFA0C, 34}, {0xFFE5, 37}, {0x0100, std::nullopt}, {0xD840DC00, std::nullopt},  // 0xDC00 lies in no row
    };
    for (const Case& c : cases) EXPECT_EQ(symbolSubsetOf(c.value), c.row) << std::hex << c.value;
}

}  // namespace
}  // namespace tesvik::lookup
