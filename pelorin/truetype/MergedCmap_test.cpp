#include "pelorin/truetype/MergedCmap.h"

#include <gtest/gtest.h>

#include "pelorin/truetype/BigEndian.h"

namespace pelorin::truetype {
namespace {

std::vector<uint16_t> Words(const std::vector<uint8_t>& bytes) {
    std::vector<uint16_t> words;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) words.push_back(GetU16(bytes, i));
    return words;
}

TEST(MergedCmap, RunsRisingTogetherBecomeDeltaSegments) {
    const std::vector<CodeGlyph> list{{0x4E00, 100}, {0x4E01, 101}, {0x4E03, 102}};
    const auto format4 = BuildFormat4(list);
    ASSERT_TRUE(format4);
    const std::vector<uint16_t> expected{
        4, 40, 0, 6, 4, 1, 2,                                                      // header, segCount 3
        0x4E01, 0x4E03, 0xFFFF, 0,                                                 // endCode, reservedPad
        0x4E00, 0x4E03, 0xFFFF,                                                    // startCode
        static_cast<uint16_t>(100 - 0x4E00), static_cast<uint16_t>(102 - 0x4E03), 1,  // idDelta
        0, 0, 0};                                                                  // idRangeOffset
    EXPECT_EQ(Words(*format4), expected);
}

TEST(MergedCmap, ScatteredGlyphsFallBackToTheGlyphArrayAndStillMapEveryCode) {
    std::vector<CodeGlyph> list;
    for (uint32_t i = 0; i < 20000; ++i) {
        if (i % 7 == 3) continue;  // gaps in the codes
        list.push_back({0x3000 + i, static_cast<uint16_t>((i * 7919) % 30000 + 1)});
    }
    const auto format4 = BuildFormat4(list);
    ASSERT_TRUE(format4);
    EXPECT_LE(format4->size(), 0xFFFFu);
    EXPECT_EQ(GetU16(*format4, 2), format4->size());
    const auto parsed = Format4Subtable::Parse(ByteView(*format4));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Enumerate(), list);
}

TEST(MergedCmap, FirstRecordGetsFormat0AndTheRestShareFormat4) {
    const std::vector<EncodingRecord> records{{0, 3}, {1, 0}, {3, 1}};
    const std::vector<CodeGlyph> list{{0x20, 3}, {0x41, 300}, {0x4E00, 5}};
    const auto cmap = BuildMergedCmap(records, list);
    ASSERT_TRUE(cmap);
    const ByteView view(*cmap);
    EXPECT_EQ(view.U16(2), 3);
    EXPECT_EQ(ReadEncodingRecords(*cmap).size(), 3u);
    EXPECT_EQ(view.U16(4 + 8), 1);   // second record platform
    const uint32_t format0 = *view.U32(4 + 4), format4 = *view.U32(4 + 8 + 4);
    EXPECT_EQ(format0, 28u);
    EXPECT_EQ(*view.U32(4 + 16 + 4), format4);
    EXPECT_EQ(view.U16(format0), 0);
    EXPECT_EQ(view.U16(format0 + 2), 262);
    EXPECT_EQ(view.U8(format0 + 6 + 0x20), 3);
    EXPECT_EQ(view.U8(format0 + 6 + 0x41), 0);  // glyph 300 does not fit a byte
    EXPECT_EQ(format4, format0 + 262);
    const auto parsed = Format4Subtable::Parse(*view.Sub(format4, cmap->size() - format4));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Enumerate(), list);
}

}  // namespace
}  // namespace pelorin::truetype
