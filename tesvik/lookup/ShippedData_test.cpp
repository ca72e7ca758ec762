// The committed data files and generated tables keep the shapes the lookups
// rely on (the generator asserts its rules when it runs; these tests guard
// the committed result).

#include "tesvik/chars/PackedChar.h"
#include "tesvik/chars/generated/PuaStandardMap.h"
#include "tesvik/lookup/pinyin/generated/SpecialQueryList.h"
#include "tesvik/lookup/symbol/generated/SymbolCodeList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace tesvik::lookup {
namespace {

const std::filesystem::path kDataDir = LUMENAR_DATA_DIR;

std::string fileBytes(const char* name) {
    std::ifstream in(kDataDir / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string unscrambled(std::string bytes) {
    for (char& c : bytes) {
        const auto s = static_cast<std::uint8_t>(c);
        c = static_cast<char>(static_cast<std::uint8_t>((s << 2) | (s >> 6)));
    }
    return bytes;
}

std::uint32_t u32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[offset + static_cast<std::size_t>(i)]);
    return v;
}

chars::PackedChar packedAt(const std::string& bytes, std::size_t offset) {
    const auto word = [&](std::size_t at) {
        return static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at]) |
                                          (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
    };
    return (word(offset) << 16) | word(offset + 2);
}

struct IndexEntry {
    std::string key;
    std::uint32_t first;
};

std::vector<IndexEntry> indexEntries(const std::string& bytes, std::size_t keySize) {
    std::vector<IndexEntry> entries;
    for (std::size_t at = 0; at + keySize + 4 <= bytes.size(); at += keySize + 4) {
        entries.push_back({bytes.substr(at, keySize), u32At(bytes, at + keySize)});
    }
    return entries;
}

TEST(ShippedStrokeFiles, AscendingGroupsTheTerminatorAndTheRecordsOfEachGroup) {
    const auto index = indexEntries(fileBytes("bihuashu-gb18030.idx"), 2);
    const std::string records = unscrambled(fileBytes("nanjianzi-gb18030.dat"));
    // Keys 01-46, 48, 49, 52, then the groups of Extensions C to H: 53, 58,
    // 64, 76, 84.
    ASSERT_EQ(index.size(), 55u);
    EXPECT_EQ(index[48].key, "52");
    EXPECT_EQ(index[49].key, "53");
    EXPECT_EQ(index[51].key, "64");
    EXPECT_EQ(index[53].key, "84");
    EXPECT_EQ(index[54].key, "fe");
    EXPECT_EQ(index[54].first, records.size() / 17);
    for (std::size_t g = 0; g + 2 < index.size(); ++g) EXPECT_LT(index[g].key, index[g + 1].key);
    EXPECT_EQ(records.size() % 17, 0u);

    bool foundDou = false;  // 豆: 7 strokes beginning 1 2
    for (std::size_t g = 0; g + 1 < index.size(); ++g) {
        ASSERT_LT(index[g].first, index[g + 1].first) << index[g].key;
        for (std::uint32_t n = index[g].first; n < index[g + 1].first; ++n) {
            const std::string record = records.substr(n * 17, 17);
            ASSERT_EQ(record.substr(4, 2), index[g].key);
            ASSERT_NE(std::string("01345").find(record[6]), std::string::npos);
            if (index[g].key == "07" && packedAt(record, 0) == 0x8C46) foundDou = record.substr(7, 2) == "12";
        }
    }
    EXPECT_TRUE(foundDou);
}

TEST(ShippedRadicalFiles, AliasKeysNameVariantsAndHoldNoRecords) {
    const std::string table = unscrambled(fileBytes("newmb.dat"));
    ASSERT_EQ(table.size(), 328u * 34);
    std::set<std::string> keys;
    std::vector<std::pair<std::string, chars::PackedChar>> radicals;
    for (std::size_t at = 0; at < table.size(); at += 34) {
        const std::string key = table.substr(at + 4, 2) + table.substr(at + 32, 2);
        keys.insert(key);
        radicals.emplace_back(key, packedAt(table, at));
    }
    EXPECT_EQ(keys.size(), 328u);
    const auto radicalOf = [&](const std::string& key) {
        const auto it = std::find_if(radicals.begin(), radicals.end(), [&](const auto& r) { return r.first == key; });
        return it == radicals.end() ? 0u : it->second;
    };
    EXPECT_EQ(radicalOf("01B0"), 0x2F05u);  // 亅
    EXPECT_EQ(radicalOf("01B1"), 0x2F01u);  // 丨
    EXPECT_EQ(radicalOf("03D0"), 0x2EA6u);  // ⺦
    EXPECT_EQ(radicalOf("04E1"), 0x2F59u);  // 爿
    EXPECT_EQ(radicalOf("09C4"), 0x2EE4u);  // ⻤
    EXPECT_EQ(radicalOf("09C3"), 0x2FC1u);  // 鬼

    const auto index = indexEntries(fileBytes("bs64-gb18030.idx"), 4);
    const std::string records = fileBytes("charmb614-gb18030.dat");
    ASSERT_FALSE(index.empty());
    EXPECT_EQ(index.back().key, "fend");
    EXPECT_EQ(index.back().first, records.size() / 11);
    for (std::size_t i = 0; i + 1 < index.size(); ++i) {
        EXPECT_TRUE(keys.count(index[i].key)) << index[i].key;
        for (const char* alias : {"01B0", "03D0", "05B6", "09C4"}) EXPECT_NE(index[i].key, alias);
    }
}

TEST(ShippedSurrogateList, EveryExtensionBCharacterInOrder) {
    const std::string list = fileBytes("FontUnicodeOfSurrogate.cdt");
    ASSERT_EQ(list.size(), 42711u * 10);
    EXPECT_EQ(list.substr(0, 10), "D840DC00\r\n");
    EXPECT_EQ(list.substr(list.size() - 10), "D869DED6\r\n");
}

TEST(GeneratedTables, PuaStandardMapIsSortedAndOneToOne) {
    std::set<std::uint32_t> standards;
    std::size_t extensionA = 0;
    for (std::size_t i = 0; i < chars::PuaStandardMap.size(); ++i) {
        const chars::PuaStandardPair row = chars::PuaStandardMap[i];
        if (i > 0) {
            EXPECT_LT(chars::PuaStandardMap[i - 1].pua, row.pua);
        }
        EXPECT_TRUE(standards.insert(row.standard).second);
        if (row.standard < 0x10000) ++extensionA;
    }
    EXPECT_EQ(extensionA, 239u);
    EXPECT_EQ(chars::PuaStandardMap.size() - extensionA, 2107u);
    EXPECT_EQ(chars::PuaStandardMap.back().pua, 0xF5B0u);
}

TEST(GeneratedTables, SpecialQueryListBlocksAndSymbolCodeListOrder) {
    const auto count = [](std::uint32_t lo, std::uint32_t hi) {
        return std::count_if(SpecialQueryList.begin(), SpecialQueryList.end(),
                             [=](std::uint16_t c) { return c >= lo && c <= hi; });
    };
    EXPECT_EQ(count(0x3400, 0x4DB5), 561);
    EXPECT_EQ(count(0x4E00, 0x9FA5), 486);
    EXPECT_EQ(count(0x9FA6, 0x9FBB), 22);
    EXPECT_EQ(count(0xE000, 0xE864), 369);
    EXPECT_EQ(count(0xE865, 0xF5B0), 1083);
    const std::vector<std::uint16_t> beginning = {0x4E5B, 0x4E06, 0x4E37, 0x4E44, 0x9FB4,
                                                  0x624C, 0x8279, 0x3409, 0x4E4A, 0x4EBD};
    EXPECT_TRUE(std::equal(beginning.begin(), beginning.end(), SpecialQueryList.begin()));

    EXPECT_TRUE(std::is_sorted(SymbolCodeList.begin(), SymbolCodeList.end()));
    EXPECT_EQ(std::adjacent_find(SymbolCodeList.begin(), SymbolCodeList.end()), SymbolCodeList.end());
    EXPECT_EQ(SymbolCodeList.front(), 0x0020);
    EXPECT_EQ(SymbolCodeList.back(), 0xFFE5);
}

}  // namespace
}  // namespace tesvik::lookup
