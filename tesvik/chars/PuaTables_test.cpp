#include "tesvik/chars/PuaTables.h"

#include "tesvik/chars/BuiltInTables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tesvik::chars {
namespace {

TEST(PuaTables, TellingRows) {
    EXPECT_EQ(standardOfPua(0xE000), 0x3405u);
    EXPECT_EQ(standardOfPua(0xE05C), 0x286CDu);
    EXPECT_EQ(standardOfPua(0xE0F8), 0x20018u);
    EXPECT_EQ(standardOfPua(0xF5B0), 0x29880u);
    EXPECT_EQ(puaOfStandard(0x286CD), 0xE05Cu);
    EXPECT_EQ(puaOfStandard(0x4E00), std::nullopt);
    EXPECT_EQ(standardOfPua(0xF5B1), std::nullopt);

    EXPECT_EQ(radicalOfPua(0xE000), 0x2F03u);
    EXPECT_EQ(radicalOfPua(0xE001), 0x2E82u);
    EXPECT_EQ(radicalOfPua(0xE002), 0x2E85u);
    EXPECT_EQ(radicalOfPua(0xF5B0), 0x2FBAu);
    EXPECT_EQ(radicalOfPua(0xF5B1), std::nullopt);
}

TEST(PuaTables, RadicalMapEndsWithTheCompatibilityIdeographs) {
    const auto map = puaRadicalMap();
    ASSERT_GE(map.size(), CompatRadicalMap.size());
    const auto tail = map.last(CompatRadicalMap.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), CompatRadicalMap.begin(),
                           [](PuaRadicalPair a, CodePair b) { return a.code == b.from && a.radical == b.to; }));
    EXPECT_EQ(radicalOfPua(0xFA29), 0x2ED6u);
}

// The whole register: the codes of the radical map (less its compatibility
// ideographs), each with the standard character PuaStandardMap gives it where
// that map has a row.
TEST(PuaTables, RegisterMapCoversTheWholeRegister) {
    const auto registerMap = registerStandardMap();
    const auto radicals = puaRadicalMap().first(puaRadicalMap().size() - CompatRadicalMap.size());
    ASSERT_EQ(registerMap.size(), radicals.size());
    EXPECT_TRUE(std::equal(registerMap.begin(), registerMap.end(), radicals.begin(),
                           [](PuaStandardPair a, PuaRadicalPair b) { return a.pua == b.code; }));
    for (const PuaStandardPair row : puaStandardMap()) EXPECT_EQ(standardOfPua(row.pua, registerMap), row.standard);
    EXPECT_EQ(standardOfPua(0xE650, registerMap), 0x2A9D4u);  // Extension C: not in PuaStandardMap
    EXPECT_EQ(standardOfPua(0xE650), std::nullopt);
}

TEST(PuaTables, LookupsTakeAnyTableOfTheSameShape) {
    const PuaStandardPair standard[] = {{0xE010, 0x20000}, {0xE011, 0x3400}};
    EXPECT_EQ(standardOfPua(0xE011, standard), 0x3400u);
    EXPECT_EQ(puaOfStandard(0x20000, standard), 0xE010u);
    EXPECT_EQ(standardOfPua(0xE000, standard), std::nullopt);
    EXPECT_EQ(standardOfPua(0xE000, {}), std::nullopt);

    const PuaRadicalPair radicals[] = {{0xE010, 0x2F00}};
    EXPECT_EQ(radicalOfPua(0xE010, radicals), 0x2F00u);
    EXPECT_EQ(radicalOfPua(0xE011, radicals), std::nullopt);
}

}  // namespace
}  // namespace tesvik::chars
