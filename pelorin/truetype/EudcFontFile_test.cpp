#include "pelorin/truetype/EudcFontFile.h"
#include "common/testing/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <fstream>

#include "pelorin/truetype/TableChecksum.h"
#include "pelorin/truetype/TestFonts_testing.h"

namespace pelorin::truetype {
namespace {

using lumenar::testing::ScratchDirectory;
using testing::FindRecord;
using testing::SquareGlyph;
using testing::TableBytes;

std::vector<uint8_t> ReadFile(const std::filesystem::path& path) { return ReadWholeFile(path).value(); }

int16_t I16At(std::span<const uint8_t> t, size_t at) { return static_cast<int16_t>(GetU16(t, at)); }

uint32_t LocaAt(std::span<const uint8_t> file, uint32_t index) {
    return GetU32(TableBytes(file, tags::kLoca), 4 * index);
}

EudcFontFile NewEudc(const ScratchDirectory& dir, const std::string& name = "new.tte") {
    return EudcFontFile::Create(dir / name, 2052, 1000).value();
}

TEST(EudcFontFile, NewFileHasTheFixedLayout) {
    ScratchDirectory dir;
    EudcFontFile eudc = NewEudc(dir);
    const std::vector<uint8_t> file = eudc.Serialize();

    const TableTag directoryOrder[] = {tags::kOS2,  tags::kCmap, tags::kCvt,  tags::kFpgm, tags::kGlyf,
                                       tags::kHead, tags::kHhea, tags::kHmtx, tags::kLoca, tags::kMaxp,
                                       tags::kName, tags::kPost, tags::kPrep, tags::kVhea, tags::kVmtx};
    EXPECT_EQ(GetU32(file, 0), 0x00010000u);
    EXPECT_EQ(GetU16(file, 4), 15);
    EXPECT_EQ(GetU16(file, 6), 128);
    EXPECT_EQ(GetU16(file, 8), 3);
    EXPECT_EQ(GetU16(file, 10), 112);
    for (size_t i = 0; i < 15; ++i) EXPECT_EQ(GetU32(file, 12 + 16 * i), directoryOrder[i]) << i;

    struct Expected {
        TableTag tag;
        uint32_t length;
    };
    const Expected dataOrder[] = {{tags::kCvt, 2},      {tags::kFpgm, 4},     {tags::kPrep, 8},  {tags::kName, 152},
                                  {tags::kCmap, 44},    {tags::kOS2, 86},     {tags::kPost, 32}, {tags::kHhea, 36},
                                  {tags::kVhea, 36},    {tags::kVmtx, 25608}, {tags::kHead, 54}, {tags::kHmtx, 25608},
                                  {tags::kLoca, 25612}, {tags::kMaxp, 32},    {tags::kGlyf, 24}};
    uint32_t offset = 12 + 240;
    for (const Expected& e : dataOrder) {
        const auto record = FindRecord(file, e.tag);
        EXPECT_EQ(record.offset, offset) << TagText(e.tag);
        EXPECT_EQ(record.length, e.length) << TagText(e.tag);
        offset = (offset + e.length + 3) / 4 * 4;
    }
    EXPECT_EQ(file.size(), offset);
}

TEST(EudcFontFile, NewFileHasTheFixedTableContents) {
    ScratchDirectory dir;
    EudcFontFile eudc = NewEudc(dir);
    const std::vector<uint8_t> file = eudc.Serialize();

    const std::vector<uint8_t> cmap(TableBytes(file, tags::kCmap).begin(), TableBytes(file, tags::kCmap).end());
    const std::vector<uint8_t> expectedCmap = {
        0,    0,    0, 1,  0,    3,    0,    1,    0,    0,    0, 12,  // header, (3,1) at 12
        0,    4,    0, 32, 0,    0,    0,    4,    0,    4,    0, 1,  0, 0, 0xF8, 0xFF,
        0xFF, 0xFF, 0, 0,  0xE0, 0x00, 0xFF, 0xFF, 0x20, 0x02, 0, 1,  0, 0, 0,    0};
    EXPECT_EQ(cmap, expectedCmap);

    const auto glyf = TableBytes(file, tags::kGlyf);
    const std::vector<uint8_t> square = {0x00, 0x01, 0x00, 0x74, 0x00, 0x50, 0x00, 0x8C, 0x00, 0x68, 0x00, 0x03,
                                         0x00, 0x00, 0x37, 0x35, 0x33, 0x15, 0x74, 0x18, 0x50, 0x18, 0x18, 0x00};
    EXPECT_EQ(std::vector<uint8_t>(glyf.begin(), glyf.end()), square);
    EXPECT_EQ(LocaAt(file, 0), 0u);
    EXPECT_EQ(LocaAt(file, 1), 24u);
    EXPECT_EQ(LocaAt(file, 6402), 24u);

    const auto head = TableBytes(file, tags::kHead);
    EXPECT_EQ(GetU16(head, 18), 256);
    EXPECT_EQ(I16At(head, 38), -35);
    EXPECT_EQ(I16At(head, 42), 220);
    EXPECT_EQ(GetU16(head, 50), 1);
    const auto hhea = TableBytes(file, tags::kHhea);
    EXPECT_EQ(I16At(hhea, 4), 220);
    EXPECT_EQ(I16At(hhea, 6), -35);
    EXPECT_EQ(I16At(hhea, 8), 35);
    EXPECT_EQ(GetU16(hhea, 34), 6402);
    const auto vhea = TableBytes(file, tags::kVhea);
    EXPECT_EQ(I16At(vhea, 4), 128);
    EXPECT_EQ(I16At(vhea, 6), -128);
    EXPECT_EQ(GetU16(vhea, 34), 6402);
    const auto post = TableBytes(file, tags::kPost);
    EXPECT_EQ(I16At(post, 8), -25);
    EXPECT_EQ(I16At(post, 10), 11);
    const auto os2 = TableBytes(file, tags::kOS2);
    EXPECT_EQ(I16At(os2, 16), 16);     // ySubscriptYOffset
    EXPECT_EQ(I16At(os2, 26), 11);     // yStrikeoutSize
    EXPECT_EQ(I16At(os2, 28), 64);     // yStrikeoutPosition
    EXPECT_EQ(GetU16(os2, 74), 1000);  // usWinAscent of the base font
    EXPECT_EQ(GetU16(os2, 76), 35);    // usWinDescent
    EXPECT_EQ(GetU32(os2, 78), 0x00040000u);
    const auto maxp = TableBytes(file, tags::kMaxp);
    EXPECT_EQ(GetU16(maxp, 4), 6402);
    EXPECT_EQ(GetU16(maxp, 6), 4);
    EXPECT_EQ(GetU16(maxp, 8), 1);
    const auto name = TableBytes(file, tags::kName);
    EXPECT_EQ(GetU16(name, 4), 102);
    EXPECT_EQ(GetU16(name, 6 + 4), 2052);  // first record's language
}

TEST(EudcFontFile, LanguageSelectsTheOS2Ranges) {
    struct Case {
        uint16_t language;
        uint32_t unicode1, unicode2, unicode3, codePage1, codePage2;
    };
    const Case cases[] = {{2052, 1, 0x080E0031, 0, 0x00040000, 0},
                          {1028, 1, 0x080E0031, 0, 0x00100000, 0},
                          {1042, 0x800002A7, 0x29D77CFB, 16, 0x00080000, 0},
                          {1041, 0, 0, 0, 0, 1}};
    for (const Case& c : cases) {
        const CTTFMan font = BuildEudcFont(c.language, 900);
        const auto os2 = font.Table(tags::kOS2);
        EXPECT_EQ(GetU32(os2, 42), c.unicode1) << c.language;
        EXPECT_EQ(GetU32(os2, 46), c.unicode2) << c.language;
        EXPECT_EQ(GetU32(os2, 50), c.unicode3) << c.language;
        EXPECT_EQ(GetU32(os2, 78), c.codePage1) << c.language;
        EXPECT_EQ(GetU32(os2, 82), c.codePage2) << c.language;
    }
}

TEST(EudcFontFile, EveryWrittenFileCarriesTrueChecksums) {
    ScratchDirectory dir;
    EudcFontFile eudc = NewEudc(dir);
    ASSERT_TRUE(eudc.AddGlyph(0xE010, SquareGlyph(10, 10, 100), {200, 10}, {256, 20}, true).ok());
    ASSERT_TRUE(eudc.Close().ok());
    const std::vector<uint8_t> file = ReadFile(dir / "new.tte");

    for (size_t i = 0; i < GetU16(file, 4); ++i) {
        const TableTag tag = GetU32(file, 12 + 16 * i);
        std::vector<uint8_t> table(TableBytes(file, tag).begin(), TableBytes(file, tag).end());
        if (tag == tags::kHead) PutU32(table, 8, 0);
        EXPECT_EQ(FindRecord(file, tag).checkSum, TableChecksum(table)) << TagText(tag);
    }
    EXPECT_EQ(TableChecksum(file), 0xB1B0AFBAu);
}

TEST(EudcFontFile, AddingAGlyphShiftsLaterOffsetsAndPatchesMetrics) {
    ScratchDirectory dir;
    EudcFontFile eudc = NewEudc(dir);
    const std::vector<uint8_t> glyph = SquareGlyph(10, 20, 100);
    const uint32_t code = 0xE005;
    const uint32_t g = EudcFontFile::GlyphIndexOf(code);
    ASSERT_EQ(g, 7u);
    EXPECT_EQ(eudc.AddGlyph(code, glyph, {230, 10}, {256, 16}, false).value(), GlyphSlotChange::Stored);
    const std::vector<uint8_t> file = eudc.Serialize();

    EXPECT_EQ(LocaAt(file, g), 24u);
    for (uint32_t i = g + 1; i <= 6402; ++i) ASSERT_EQ(LocaAt(file, i), 24u + glyph.size()) << i;
    const auto glyf = TableBytes(file, tags::kGlyf);
    EXPECT_TRUE(std::equal(glyph.begin(), glyph.end(), glyf.begin() + 24));
    EXPECT_EQ(GetU32(TableBytes(file, tags::kHmtx), 4 * g), (230u << 16) | 10u);
    EXPECT_EQ(GetU32(TableBytes(file, tags::kVmtx), 4 * g), (256u << 16) | 16u);
    EXPECT_EQ(GetU32(TableBytes(file, tags::kHmtx), 4 * (g + 1)), 256u << 16);
}

TEST(EudcFontFile, ReplacingAGlyphLeavesExactlyTheNewGlyph) {
    ScratchDirectory dir;
    EudcFontFile eudc = NewEudc(dir);
    const std::vector<Contour> two{testing::Square(0, 0, 50), testing::Square(100, 100, 50)};
    const std::vector<uint8_t> first = EncodeSimpleGlyph(two);
    const std::vector<uint8_t> second = SquareGlyph(5, 5, 30);
    ASSERT_NE(first.size(), second.size());
    ASSERT_TRUE(eudc.AddGlyph(0xE000, first, {256, 0}, {256, 0}, true).ok());
    ASSERT_TRUE(eudc.AddGlyph(0xE001, first, {256, 0}, {256, 0}, true).ok());
    EXPECT_EQ(eudc.AddGlyph(0xE000, second, {128, 5}, {256, 0}, true).value(), GlyphSlotChange::Stored);
    const std::vector<uint8_t> file = eudc.Serialize();

    const uint32_t start = LocaAt(file, 2);
    const uint32_t end = LocaAt(file, 3);
    EXPECT_EQ(end - start, second.size());
    const auto glyf = TableBytes(file, tags::kGlyf);
    EXPECT_TRUE(std::equal(second.begin(), second.end(), glyf.begin() + start));
    EXPECT_EQ(LocaAt(file, 4) - LocaAt(file, 3), first.size());
    EXPECT_EQ(GetU16(TableBytes(file, tags::kMaxp), 8), 2);  // maxContours from the first glyph stays
}

TEST(EudcFontFile, OccupiedSlotIsKeptWhenReplaceIsOff) {
    ScratchDirectory dir;
    EudcFontFile eudc = NewEudc(dir);
    ASSERT_TRUE(eudc.AddGlyph(0xE100, SquareGlyph(0, 0, 10), {100, 0}, {256, 0}, false).ok());
    const std::vector<uint8_t> before = eudc.Serialize();
    EXPECT_EQ(eudc.AddGlyph(0xE100, SquareGlyph(0, 0, 99), {200, 9}, {256, 9}, false).value(),
              GlyphSlotChange::SlotTaken);
    EXPECT_EQ(eudc.Serialize(), before);
}

TEST(EudcFontFile, CodesOutsideThePrivateUseAreaAreNotAdded) {
    ScratchDirectory dir;
    EudcFontFile eudc = NewEudc(dir);
    const std::vector<uint8_t> before = eudc.Serialize();
    for (uint32_t code : {0x4E00u, 0xDFFFu, 0xF900u, 0x10000u}) {
        EXPECT_EQ(eudc.AddGlyph(code, SquareGlyph(0, 0, 10), {1, 1}, {1, 1}, true).value(),
                  GlyphSlotChange::OutsideFont)
            << std::hex << code;
    }
    EXPECT_EQ(eudc.AddGlyph(0xF8FF, SquareGlyph(0, 0, 10), {1, 1}, {1, 1}, true).value(), GlyphSlotChange::Stored);
    EXPECT_NE(eudc.Serialize(), before);
}

TEST(EudcFontFile, GlyphDataShorterThanItsHeaderIsRefused) {
    ScratchDirectory dir;
    EudcFontFile eudc = NewEudc(dir);
    const std::vector<uint8_t> truncated = {0x00, 0x02, 0, 0, 0, 0, 0, 10, 0, 10, 0, 3};  // 2 contours, 1 end point
    EXPECT_FALSE(eudc.AddGlyph(0xE000, truncated, {1, 1}, {1, 1}, true).ok());
    EXPECT_TRUE(eudc.Glyph(2).empty());
}

TEST(EudcFontFile, MergingKeepsExistingGlyphsAndLayout) {
    ScratchDirectory dir;
    {
        EudcFontFile eudc = NewEudc(dir, "font.tte");
        ASSERT_TRUE(eudc.AddGlyph(0xE001, SquareGlyph(1, 1, 40), {100, 1}, {256, 2}, true).ok());
        ASSERT_TRUE(eudc.Close().ok());
    }
    const std::vector<uint8_t> written = ReadFile(dir / "font.tte");
    auto opened = EudcFontFile::OpenForMerge(dir / "font.tte");
    ASSERT_TRUE(opened.ok()) << opened.error().detail;
    EXPECT_EQ(opened->Em(), 256);
    EXPECT_EQ(opened->Ascender(), 220);
    EXPECT_EQ(opened->Serialize(), written);  // an untouched file is written back unchanged

    ASSERT_TRUE(opened->AddGlyph(0xE002, SquareGlyph(2, 2, 60), {120, 2}, {256, 3}, false).ok());
    EXPECT_EQ(opened->AddGlyph(0xE001, SquareGlyph(9, 9, 9), {1, 1}, {1, 1}, false).value(),
              GlyphSlotChange::SlotTaken);
    ASSERT_TRUE(opened->Close().ok());
    EXPECT_EQ(dir.entryCount(), 1u);  // no temporary file left beside it

    auto reopened = EudcFontFile::OpenForMerge(dir / "font.tte");
    ASSERT_TRUE(reopened.ok());
    const auto first = SquareGlyph(1, 1, 40), second = SquareGlyph(2, 2, 60);
    EXPECT_TRUE(std::ranges::equal(reopened->Glyph(3), first));
    EXPECT_TRUE(std::ranges::equal(reopened->Glyph(4), second));
    EXPECT_EQ(reopened->Metrics(4).horizontal, (LongMetric{120, 2}));
    EXPECT_EQ(reopened->Metrics(4).vertical, (LongMetric{256, 3}));
}

TEST(EudcFontFile, UnfinishedWriteLeavesTheExistingFileUntouched) {
    ScratchDirectory dir;
    {
        EudcFontFile eudc = NewEudc(dir, "font.tte");
        ASSERT_TRUE(eudc.Close().ok());
    }
    const std::vector<uint8_t> good = ReadFile(dir / "font.tte");
    {
        auto opened = EudcFontFile::OpenForMerge(dir / "font.tte");
        ASSERT_TRUE(opened.ok());
        ASSERT_TRUE(opened->AddGlyph(0xE001, SquareGlyph(1, 1, 40), {100, 1}, {256, 2}, true).ok());
        EXPECT_EQ(dir.entryCount(), 2u);  // the file and its unfinished copy
        // dropped without Close: an import that failed half way
    }
    EXPECT_EQ(ReadFile(dir / "font.tte"), good);
    EXPECT_EQ(dir.entryCount(), 1u);
    {
        auto created = EudcFontFile::Create(dir / "font.tte", 1028, 900);
        ASSERT_TRUE(created.ok());
    }
    EXPECT_EQ(ReadFile(dir / "font.tte"), good);
}

TEST(EudcFontFile, OpenOrCreateFailuresAreReported) {
    ScratchDirectory dir;
    auto created = EudcFontFile::Create(dir / "missing-folder" / "x.tte", 2052, 0);
    ASSERT_FALSE(created.ok());
    EXPECT_EQ(created.error().kind, TrueTypeErrorKind::CannotCreate);

    // The final write fails (the path is a folder): reported, and no temporary file stays behind.
    std::filesystem::create_directory(dir / "taken.tte");
    auto blocked = EudcFontFile::Create(dir / "taken.tte", 2052, 0);
    ASSERT_TRUE(blocked.ok());
    const auto closed = blocked->Close();
    ASSERT_FALSE(closed.ok());
    EXPECT_EQ(closed.error().kind, TrueTypeErrorKind::WriteFailed);
    EXPECT_EQ(dir.entryCount(), 1u);

    auto missing = EudcFontFile::OpenForMerge(dir / "absent.tte");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().kind, TrueTypeErrorKind::CannotOpen);

    std::ofstream(dir / "otto.tte", std::ios::binary) << "OTTO\0\0\0\0\0\0\0\0";
    auto otto = EudcFontFile::OpenForMerge(dir / "otto.tte");
    ASSERT_FALSE(otto.ok());
    EXPECT_EQ(otto.error().kind, TrueTypeErrorKind::NotTrueType);

    // A loca that points past glyf.
    std::vector<uint8_t> bytes = NewEudc(dir, "bad.tte").Serialize();
    const auto loca = FindRecord(bytes, tags::kLoca);
    PutU32(bytes, loca.offset + 4 * 6402, 0x7FFFFFFF);
    std::ofstream(dir / "bad.tte", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    auto bad = EudcFontFile::OpenForMerge(dir / "bad.tte");
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error().kind, TrueTypeErrorKind::Malformed);
}

}  // namespace
}  // namespace pelorin::truetype
