#include "tesvik/lookup/stroke/StrokeRecords.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/files/IndexFixtures_testing.h"
#include "tesvik/lookup/files/PackedCharBytes.h"
#include "tesvik/lookup/files/Scrambling.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"

namespace tesvik::lookup {
namespace {

TEST(Scrambling, RotatesRightByTwoAndBack) {
    EXPECT_EQ(scrambleByte(0x31), 0x4C);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(unscrambleByte(scrambleByte(static_cast<std::uint8_t>(b))), b);
    }
}

TEST(PackedCharBytes, HighWordFirstEachLittleEndian) {
    struct Case {
        chars::PackedChar value;
        std::array<std::uint8_t, 4> bytes;
    };
    const std::vector<Case> cases = {
        {0xE234, {0x00, 0x00, 0x34, 0xE2}},
        {chars::packCodePoint(0x20000), {0x40, 0xD8, 0x00, 0xDC}},
        {0x4E00, {0x00, 0x00, 0x00, 0x4E}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(packedCharBytes(c.value), c.bytes);
        EXPECT_EQ(readPackedChar(c.bytes), c.value);
    }
}

TEST(StrokeRecords, StoredRecordLayout) {
    const StrokeRecord record{0xE234, fixtures::countKey("07"), '2', fixtures::padded<10>("125")};
    const auto bytes = encodeStrokeRecord(record);
    const std::vector<std::uint8_t> expected = {0x00, 0x00, 0x34, 0xE2, '0', '7', '2', '1', '2',
                                                '5',  '0',  '0',  '0',  '0', '0', '0', '0'};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), expected);
    EXPECT_EQ(decodeStrokeRecord(bytes), record);
}

TEST(StrokeRecords, UserRowLayoutAndDerivedRecord) {
    const UserStrokeRow row{fixtures::countKey("12"), fixtures::padded<10>("25"), 0xE234, '2'};
    const auto bytes = encodeUserStrokeRow(row);
    const std::string text(bytes.begin(), bytes.begin() + 12);
    EXPECT_EQ(text, "122500000000");
    EXPECT_EQ(bytes[12], 0x00);
    EXPECT_EQ(bytes[14], 0x34);
    EXPECT_EQ(bytes[15], 0xE2);
    EXPECT_EQ(bytes[16], '2');
    EXPECT_EQ(bytes[17], '\n');
    EXPECT_EQ(decodeUserStrokeRow(bytes), row);
    EXPECT_EQ(strokeRecordFromRow(row), (StrokeRecord{0xE234, row.count, '2', row.strokes}));
}

TEST(StrokeRecords, CountKeyNumericValueIsItsLeadingDigits) {
    EXPECT_EQ(fixtures::countKey("07").numericValue(), 7);
    EXPECT_EQ(fixtures::countKey("64").numericValue(), 64);
    EXPECT_EQ(kStrokeIndexEndKey.numericValue(), 0);
    EXPECT_EQ(fixtures::countKey("5x").numericValue(), 5);
}

TEST(StrokeFiles, ReadsIndexEntriesAndRecordsUnscrambled) {
    lumenar::testing::ScratchDirectory dir;
    const std::vector<fixtures::StrokeLine> lines = {
        {0x4E00, "01", "1"}, {0x4E28, "01", "2"}, {0xD840DC00, "07", "1234512345"}};
    fixtures::writeShippedStrokePair(dir.path(), lines);

    const auto index = readStrokeIndex(dir.path() / kShippedStrokeIndexFileName);
    ASSERT_TRUE(index.ok());
    EXPECT_EQ(*index, (std::vector<StrokeIndexEntry>{
                          {fixtures::countKey("01"), 0}, {fixtures::countKey("07"), 2}, {kStrokeIndexEndKey, 3}}));

    auto records = openStrokeRecords(dir.path() / kShippedStrokeRecordFileName);
    ASSERT_TRUE(records.ok());
    EXPECT_EQ(records->recordCount(), 3u);
    EXPECT_EQ(readStrokeRecord(*records, 2), fixtures::toStrokeRecord(lines[2]));
    EXPECT_EQ(readStrokeRecord(*records, 3), std::nullopt);
}

}  // namespace
}  // namespace tesvik::lookup
