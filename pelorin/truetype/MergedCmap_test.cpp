#include "pelorin/truetype/MergedCmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "pelorin/truetype/BigEndian.h"

namespace pelorin::truetype {
namespace {

std::vector<uint16_t> kWords(const std::vector<uint8_t>& bytes) {
    std::vector<uint16_t> words;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) words.push_back(GetU16(bytes, i));
    return words;
}

TEST(MergedCmap, RunsRisingTogetherBecomeDeltaSegments) {
    const std::vector<CodeGlyph> list{{0x4E00, 100}, {0x4E01, 101}, {0x4E03, 102}};
    const auto format4 = BuildFormat4(list);
    ASSERT_TRUE(format4);
    const std::vector<uint16_t> expected{4,
                                         40,
                                         0,
                                         6,
                                         4,
                                         1,
                                         2,  // header, segCount 3
                                         0x4E01,
                                         0x4E03,
                                         0xFFFF,
                                         0,  // endCode, reservedPad
                                         0x4E00,
                                         0x4E03,
                                         0xFFFF,  // startCode
                                         static_cast<uint16_t>(100 - 0x4E00),
                                         static_cast<uint16_t>(102 - 0x4E03),
                                         1,  // idDelta
                                         0,
                                         0,
                                         0};  // idRangeOffset
    EXPECT_EQ(kWords(*format4), expected);
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
    EXPECT_EQ(view.U16(4 + 8), 1);  // second record platform
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

TEST(MergedCmap, Format12GroupsRunsRisingTogether) {
    const std::vector<CodeGlyph> list{{0x41, 5}, {0x42, 6}, {0xFFFF, 7}, {0x10000, 8}, {0x20000, 20}, {0x20002, 21}};
    const auto format12 = BuildFormat12(list);
    const ByteView view(format12);
    EXPECT_EQ(view.U16(0), 12);
    EXPECT_EQ(view.U32(4), format12.size());
    EXPECT_EQ(view.U32(12), 4u);  // 0x41-0x42, 0xFFFF-0x10000, then two lone codes
    EXPECT_EQ(format12.size(), 16u + 12 * 4);
    const auto parsed = Format12Subtable::Parse(view);
    ASSERT_TRUE(parsed);
    for (const CodeGlyph& p : list) EXPECT_EQ(parsed->Lookup(p.code), p.glyph) << std::hex << p.code;
    EXPECT_EQ(parsed->Lookup(0x20001), 0);
    EXPECT_EQ(parsed->EnumerateFrom(0), list);
}

// What each merged record must point to, checked by parsing the subtable.
enum class Expect { Format0, Format4, Format12 };

void ExpectSubtable(const std::vector<uint8_t>& cmap, size_t record, Expect expect,
                    const std::vector<CodeGlyph>& list) {
    const ByteView view(cmap);
    const uint32_t at = view.U32(4 + 8 * record + 4).value();
    const ByteView subtable = view.Sub(at, cmap.size() - at).value();
    std::vector<CodeGlyph> bmp;
    std::ranges::copy_if(list, std::back_inserter(bmp), [](const CodeGlyph& p) { return p.code < 0xFFFF; });
    switch (expect) {
        case Expect::Format0:
            EXPECT_EQ(subtable.U16(0), 0);
            EXPECT_EQ(subtable.U8(6 + 0x41), 3);
            break;
        case Expect::Format4: {
            const auto parsed = Format4Subtable::Parse(subtable);
            ASSERT_TRUE(parsed);
            EXPECT_EQ(parsed->Enumerate(), bmp);
            break;
        }
        case Expect::Format12: {
            const auto parsed = Format12Subtable::Parse(subtable);
            ASSERT_TRUE(parsed);
            EXPECT_EQ(parsed->EnumerateFrom(0), list);
            break;
        }
    }
}

TEST(MergedCmap, RecordsOfSourceFormat12GetFormat12AndTheOthersKeepTheirLayout) {
    struct Case {
        std::vector<EncodingRecord> records;
        std::vector<Expect> expected;
    };
    const Case cases[] = {
        {{{0, 3, 4}, {3, 1, 4}, {3, 10, 12}}, {Expect::Format0, Expect::Format4, Expect::Format12}},
        {{{0, 4, 12}, {3, 1, 4}}, {Expect::Format12, Expect::Format4}},
        {{{0, 3, 4}, {0, 4, 12}, {3, 1, 4}, {3, 10, 12}},
         {Expect::Format0, Expect::Format12, Expect::Format4, Expect::Format12}},
        // Without a format 12 source record, codes above 0xFFFF cannot be kept.
        {{{0, 3, 4}, {3, 1, 4}}, {Expect::Format0, Expect::Format4}},
    };
    const std::vector<CodeGlyph> list{{0x41, 3}, {0x4E00, 300}, {0x4E01, 301}, {0x20000, 302}, {0x2A6D6, 310}};
    for (const Case& c : cases) {
        const auto cmap = BuildMergedCmap(c.records, list);
        ASSERT_TRUE(cmap);
        ASSERT_EQ(ReadEncodingRecords(*cmap).size(), c.records.size());
        for (size_t i = 0; i < c.records.size(); ++i) {
            SCOPED_TRACE(testing::Message() << c.records.size() << " records, record " << i);
            ExpectSubtable(*cmap, i, c.expected[i], list);
        }
    }
}

TEST(MergedCmap, Format0AndFormat4AreTheSameWithOrWithoutAFormat12Record) {
    const std::vector<CodeGlyph> list{{0x20, 3}, {0x4E00, 5}, {0x20000, 6}};
    const auto plain = BuildMergedCmap(std::vector<EncodingRecord>{{0, 3, 4}, {3, 1, 4}}, list);
    const auto withFormat12 = BuildMergedCmap(std::vector<EncodingRecord>{{0, 3, 4}, {3, 1, 4}, {3, 10, 12}}, list);
    ASSERT_TRUE(plain && withFormat12);
    const std::vector<uint8_t> plainSubtables(plain->begin() + 4 + 2 * 8, plain->end());
    const auto afterRecords = withFormat12->begin() + 4 + 3 * 8;
    EXPECT_TRUE(std::equal(plainSubtables.begin(), plainSubtables.end(), afterRecords));
    EXPECT_EQ(static_cast<size_t>(withFormat12->end() - afterRecords), plainSubtables.size() + 16 + 12 * 3);
}

TEST(MergedCmap, ReadsTheFormatEachRecordPointsTo) {
    const auto cmap = BuildMergedCmap(std::vector<EncodingRecord>{{0, 3, 4}, {3, 1, 4}, {3, 10, 12}},
                                      std::vector<CodeGlyph>{{0x41, 1}});
    ASSERT_TRUE(cmap);
    std::vector<uint16_t> formats;
    for (const EncodingRecord& r : ReadEncodingRecords(*cmap)) formats.push_back(r.format);
    EXPECT_EQ(formats, (std::vector<uint16_t>{0, 4, 12}));
}

}  // namespace
}  // namespace pelorin::truetype
