#include "pelorin/truetype/SourceFont.h"

#include <gtest/gtest.h>

#include "pelorin/truetype/GlyphOutlineReader.h"
#include "pelorin/truetype/TestFonts_testing.h"

namespace pelorin::truetype {
namespace {

using testing::BuildCollection;
using testing::BuildTinyFont;
using testing::SquareGlyph;
using testing::TinyFontRecipe;

TinyFontRecipe ThreeGlyphs() {
    TinyFontRecipe recipe;
    recipe.glyphs = {SquareGlyph(0, 0, 10), SquareGlyph(1, 2, 30), {}, SquareGlyph(5, 5, 50)};
    recipe.codes = {{0x41, 1}, {0x42, 2}, {0x4E00, 3}};
    return recipe;
}

TEST(SourceFont, ReadsTablesFieldsAndGlyphs) {
    for (bool longLoca : {true, false}) {
        TinyFontRecipe recipe = ThreeGlyphs();
        recipe.longLoca = longLoca;
        auto font = SourceFont::FromBytes(BuildTinyFont(recipe));
        ASSERT_TRUE(font.ok()) << font.error().detail;
        EXPECT_EQ(font->NumGlyphs(), 4);
        EXPECT_EQ(font->UnitsPerEm(), 1000);
        EXPECT_EQ(font->Ascender(), 800);
        EXPECT_EQ(font->WinAscent(), 900);
        EXPECT_EQ(font->HasLongLoca(), longLoca);
        EXPECT_EQ(font->CmapEncoding(), 1);  // the (0,3) record, Unicode BMP, comes first
        EXPECT_TRUE(std::ranges::equal(font->GetGlyph(1), SquareGlyph(1, 2, 30))) << longLoca;
        EXPECT_TRUE(font->GetGlyph(2).empty());
        EXPECT_TRUE(font->GetGlyph(4).empty());
        EXPECT_EQ(font->Directory().size(), 12u);
    }
}

TEST(SourceFont, EnumeratesTheFormat4MapInCodeOrder) {
    TinyFontRecipe recipe = ThreeGlyphs();
    recipe.codes = {{0x20, 1}, {0x21, 2}, {0x22, 1}, {0x4E00, 3}, {0x4E01, 0}, {0x4E02, 9}};  // 0 and 9: no glyph
    auto font = SourceFont::FromBytes(BuildTinyFont(recipe));
    ASSERT_TRUE(font.ok());
    const std::vector<CodeGlyph> expected{{0x20, 1}, {0x21, 2}, {0x22, 1}, {0x4E00, 3}};
    EXPECT_EQ(font->EnumerateCodes(), expected);
    EXPECT_EQ(font->GlyphForCode(0x21), 2);
    EXPECT_EQ(font->GlyphForCode(0x4E02), 0);
    EXPECT_EQ(font->GlyphForCode(0x1F600), 0);
}

TEST(SourceFont, CmapEncodingIsTheWindowsEncodingOfTheFirstFormat4Record) {
    struct Case {
        std::vector<EncodingRecord> records;
        uint16_t encoding;
    };
    const Case cases[] = {{{{0, 3}, {3, 1}}, 1}, {{{3, 3}}, 3}, {{{3, 4}, {3, 1}}, 4}, {{{0, 4}}, 1}};
    for (const Case& c : cases) {
        TinyFontRecipe recipe = ThreeGlyphs();
        recipe.records = c.records;
        auto font = SourceFont::FromBytes(BuildTinyFont(recipe));
        ASSERT_TRUE(font.ok());
        EXPECT_EQ(font->CmapEncoding(), c.encoding) << c.records[0].platformId << "," << c.records[0].encodingId;
    }
}

TEST(SourceFont, Format12ReachesCodesBeyondTheBmp) {
    TinyFontRecipe recipe = ThreeGlyphs();
    recipe.codes = {{0x41, 1}, {0x20000, 3}};
    recipe.format12 = true;
    auto font = SourceFont::FromBytes(BuildTinyFont(recipe));
    ASSERT_TRUE(font.ok());
    EXPECT_EQ(font->GlyphForCode(0x20000), 3);
    EXPECT_EQ(font->GlyphForCode(0x41), 1);
    const std::vector<CodeGlyph> bmpOnly{{0x41, 1}};
    EXPECT_EQ(font->EnumerateCodes(), bmpOnly);
}

TEST(SourceFont, EnumeratingAllCodesAddsTheFormat12CodesBeyondTheBmp) {
    TinyFontRecipe recipe = ThreeGlyphs();
    recipe.codes = {{0x41, 1}, {0x4E00, 2}, {0x20000, 3}, {0x20001, 9}, {0x2A6D6, 1}};  // 9: no glyph
    recipe.format12 = true;
    auto font = SourceFont::FromBytes(BuildTinyFont(recipe));
    ASSERT_TRUE(font.ok());
    const std::vector<CodeGlyph> expected{{0x41, 1}, {0x4E00, 2}, {0x20000, 3}, {0x2A6D6, 1}};
    EXPECT_EQ(font->EnumerateAllCodes(), expected);

    recipe.format12 = false;
    auto bmpFont = SourceFont::FromBytes(BuildTinyFont(recipe));
    ASSERT_TRUE(bmpFont.ok());
    EXPECT_EQ(bmpFont->EnumerateAllCodes(), bmpFont->EnumerateCodes());
}

TEST(SourceFont, MetricsPastTheLongEntriesTakeTheLastAdvance) {
    TinyFontRecipe recipe = ThreeGlyphs();
    recipe.numberOfHMetrics = 2;
    auto font = SourceFont::FromBytes(BuildTinyFont(recipe));
    ASSERT_TRUE(font.ok());
    EXPECT_EQ(font->GetMetrics(1).horizontal, (LongMetric{501, 1}));
    EXPECT_EQ(font->GetMetrics(3).horizontal, (LongMetric{501, 3}));
    EXPECT_EQ(font->GetMetrics(3).vertical, (LongMetric{1000, 3}));
    EXPECT_EQ(font->GetMetrics(7).horizontal, (LongMetric{}));
}

TEST(SourceFont, OpensEachFaceOfACollection) {
    TinyFontRecipe second = ThreeGlyphs();
    second.glyphs.push_back(SquareGlyph(7, 7, 70));
    second.codes = {{0x41, 4}};
    const auto collection = BuildCollection({BuildTinyFont(ThreeGlyphs()), BuildTinyFont(second)});
    auto face0 = SourceFont::FromBytes(collection, 0);
    auto face1 = SourceFont::FromBytes(collection, 1);
    ASSERT_TRUE(face0.ok()) << face0.error().detail;
    ASSERT_TRUE(face1.ok()) << face1.error().detail;
    EXPECT_EQ(face0->NumGlyphs(), 4);
    EXPECT_EQ(face1->NumGlyphs(), 5);
    EXPECT_TRUE(std::ranges::equal(face1->GetGlyph(face1->GlyphForCode(0x41)), SquareGlyph(7, 7, 70)));
    auto face2 = SourceFont::FromBytes(collection, 2);
    ASSERT_FALSE(face2.ok());
    EXPECT_EQ(face2.error().kind, TrueTypeErrorKind::NotFound);
}

TEST(SourceFont, RejectsWhatItCannotRead) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
        TrueTypeErrorKind kind;
    };
    std::vector<uint8_t> otto = BuildTinyFont(ThreeGlyphs());
    PutU32(otto, 0, MakeTag("OTTO"));
    std::vector<uint8_t> outside = BuildTinyFont(ThreeGlyphs());
    PutU32(outside, 12 + 8, 0x00FFFFFF);  // first table's offset
    std::vector<uint8_t> noFormat4 = BuildTinyFont(ThreeGlyphs());
    const auto cmap = testing::FindRecord(noFormat4, tags::kCmap);
    PutU16(noFormat4, cmap.offset + 4 + 8 * 2, 6);  // subtable format
    const Case cases[] = {
        {"empty", {}, TrueTypeErrorKind::NotTrueType},
        {"CFF outlines", otto, TrueTypeErrorKind::NotTrueType},
        {"table outside the file", outside, TrueTypeErrorKind::Malformed},
        {"no format 4 cmap", noFormat4, TrueTypeErrorKind::Unsupported},
    };
    for (const Case& c : cases) {
        auto font = SourceFont::FromBytes(c.bytes);
        ASSERT_FALSE(font.ok()) << c.what;
        EXPECT_EQ(font.error().kind, c.kind) << c.what;
    }
}

}  // namespace
}  // namespace pelorin::truetype
