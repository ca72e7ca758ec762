// The radical-side file layouts: records, index ranges, and the
// regeneration of the user radical pair from its source table.

#include <gtest/gtest.h>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/radical/RadicalFileReaders.h"
#include "tesvik/lookup/radical/RadicalFixtures_testing.h"
#include "tesvik/lookup/radical/UserRadicalRegeneration.h"

namespace tesvik::lookup {
namespace {

using namespace fixtures;

TEST(RadicalRecordLayout, StoresPackedCharacterHighWordFirstAndScramblesEveryByte) {
    const RadicalCharLine line{"03AA", 0xD840DC00, "12", "2514", '0'};
    const auto bytes = radicalRecordFileBytes(std::span(&line, 1));
    ASSERT_EQ(bytes.size(), kRadicalRecordSize);
    const std::vector<std::uint8_t> plain{0x40, 0xD8, 0x00, 0xDC, '1', '2', '2', '5', '1', '4', '0'};
    for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_EQ(bytes[i], scrambleByte(plain[i])) << i;
}

TEST(RadicalTableReader, ReadsWholeRecordsAndIgnoresATrailingPart) {
    lumenar::testing::ScratchDirectory dir;
    const std::vector<RadicalLine> lines{{0x2E8C, "02", "34", "xiao", "A3"}, {0x2EBD, "06", "3511", "jiu", "B1"}};
    auto bytes = radicalTableBytes(lines);
    bytes.resize(bytes.size() + 20, 0x4C);  // a cut-off third record
    writeBytes(dir.path() / RadicalTableFileName, bytes);

    const auto table = readRadicalTable(dir.path() / RadicalTableFileName);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->size(), 2u);
    EXPECT_EQ((*table)[1].radical, 0x2EBDu);
    EXPECT_EQ((*table)[1].key().text(), "06B1");
    EXPECT_EQ(std::string_view((*table)[1].pinyin.data(), 3), "jiu");
}

TEST(RadicalIndexReader, MissingFileIsReportedAsMissing) {
    lumenar::testing::ScratchDirectory dir;
    const auto index = readRadicalIndex(dir.path() / ShippedRadicalIndexFileName);
    ASSERT_FALSE(index);
    EXPECT_EQ(index.error().kind, RecordFileError::Kind::Missing);
}

TEST(RadicalRecordReader, ReadsOneRecordBySeekingAndRefusesPastTheEnd) {
    lumenar::testing::ScratchDirectory dir;
    const std::vector<RadicalCharLine> lines{{"01B1", 0x4E00, "00", ""}, {"01B1", 0xE234, "03", "121", '0'}};
    writeBytes(dir.path() / "r.dat", radicalRecordFileBytes(lines));
    auto file = openRadicalRecords(dir.path() / "r.dat");
    ASSERT_TRUE(file);
    const auto second = readRadicalRecord(*file, 1);
    ASSERT_TRUE(second);
    EXPECT_EQ(*second, (RadicalRecord{0xE234, {'0', '3'}, {'1', '2', '1', '0'}, '0'}));
    EXPECT_FALSE(readRadicalRecord(*file, 2));
}

struct RangeCase {
    const char* name;
    std::vector<RadicalIndexEntry> index;
    const char* key;
    std::uint64_t recordCount;
    RecordRange expected;
};

class RadicalKeyRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RadicalKeyRangeTest, FindsTheRecordsOfAKey) {
    const RangeCase& c = GetParam();
    EXPECT_EQ(radicalKeyRange(c.index, radicalKey(c.key), c.recordCount), c.expected);
}

const std::vector<RadicalIndexEntry> kThreeKeys{
    {radicalKey("01B1"), 0}, {radicalKey("03AA"), 4}, {radicalKey("03AB"), 9}, {kRadicalIndexEndKey, 12}};

INSTANTIATE_TEST_SUITE_P(
    Cases, RadicalKeyRangeTest,
    ::testing::Values(RangeCase{"first", kThreeKeys, "01B1", 12, {0, 4}},
                      RangeCase{"middle", kThreeKeys, "03AA", 12, {4, 9}},
                      RangeCase{"last_before_terminator", kThreeKeys, "03AB", 12, {9, 12}},
                      RangeCase{"unknown_key_is_empty", kThreeKeys, "05A1", 12, {0, 0}},
                      RangeCase{"range_past_end_stops_at_last_whole_record", kThreeKeys, "03AB", 10, {9, 10}},
                      RangeCase{"range_wholly_past_end_is_empty", kThreeKeys, "03AB", 7, {7, 7}},
                      RangeCase{"truncated_index_runs_to_file_end", {{radicalKey("03AA"), 2}}, "03AA", 6, {2, 6}},
                      RangeCase{"first_key_wins",
                                {{radicalKey("03AA"), 0}, {radicalKey("03AA"), 3}, {kRadicalIndexEndKey, 5}},
                                "03AA",
                                5,
                                {0, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RadicalKeyRange, BackwardsRangeHasNoRecords) {
    const std::vector<RadicalIndexEntry> index{{radicalKey("03AA"), 8}, {kRadicalIndexEndKey, 3}};
    EXPECT_EQ(radicalKeyRange(index, radicalKey("03AA"), 10).size(), 0u);
}

TEST(UserRadicalRegeneration, SingleRowGivesOneRecordAndTwoIndexEntries) {
    lumenar::testing::ScratchDirectory dir;
    const std::vector<UserRadicalLine> rows{{0xE234, "03AA", "05", "25"}};
    writeBytes(dir.path() / UserRadicalTableFileName, userRadicalTableBytes(rows));
    ASSERT_TRUE(regenerateUserRadicalFiles(dir.path()));

    const auto records = readBytes(dir.path() / UserRadicalRecordFileName);
    ASSERT_EQ(records.size(), kRadicalRecordSize);
    std::array<std::uint8_t, kRadicalRecordSize> plain{};
    std::copy(records.begin(), records.end(), plain.begin());
    unscrambleBytes(plain);
    EXPECT_EQ(decodeRadicalRecord(plain), (RadicalRecord{0xE234, {'0', '5'}, {'2', '5', '0', '0'}, '0'}));

    const auto index = readRadicalIndex(dir.path() / UserRadicalIndexFileName);
    ASSERT_TRUE(index);
    EXPECT_EQ(*index, (std::vector<RadicalIndexEntry>{{radicalKey("03AA"), 0}, {kRadicalIndexEndKey, 1}}));
}

TEST(UserRadicalRegeneration, GroupsRunsOfKeysAndCountsTheTotal) {
    const std::vector<UserRadicalLine> rows{{0xE001, "01B1", "00", ""},
                                            {0xE002, "03AA", "02", "1"},
                                            {0xE003, "03AA", "05", "25"},
                                            {0xE004, "03ab", "01", "4"}};
    const auto pair = buildUserRadicalPair(userRadicalTableBytes(rows));
    EXPECT_EQ(
        decodeRadicalIndex(pair.index),
        (std::vector<RadicalIndexEntry>{
            {radicalKey("01B1"), 0}, {radicalKey("03AA"), 1}, {radicalKey("03ab"), 3}, {kRadicalIndexEndKey, 4}}));
    EXPECT_EQ(pair.records.size(), 4 * kRadicalRecordSize);
}

TEST(UserRadicalRegeneration, EmptyTableGivesNoRecordsAndTheTerminatorAlone) {
    lumenar::testing::ScratchDirectory dir;
    writeBytes(dir.path() / UserRadicalTableFileName, std::vector<std::uint8_t>{});
    writeBytes(dir.path() / UserRadicalRecordFileName, std::vector<std::uint8_t>(22, 1));  // stale
    ASSERT_TRUE(regenerateUserRadicalFiles(dir.path()));
    EXPECT_TRUE(readBytes(dir.path() / UserRadicalRecordFileName).empty());
    EXPECT_EQ(decodeRadicalIndex(readBytes(dir.path() / UserRadicalIndexFileName)),
              (std::vector<RadicalIndexEntry>{{kRadicalIndexEndKey, 0}}));
}

TEST(UserRadicalRegeneration, MissingSourceTableNamesItsFullPath) {
    lumenar::testing::ScratchDirectory dir;
    const auto status = regenerateUserRadicalFiles(dir.path());
    ASSERT_FALSE(status);
    EXPECT_EQ(status.error().text, (dir.path() / "buzibuzishoumb.txt").string() + "文件不存在，请先找到该文件！");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / UserRadicalRecordFileName));
}

}  // namespace
}  // namespace tesvik::lookup
