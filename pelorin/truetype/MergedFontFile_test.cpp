#include "pelorin/truetype/MergedFontFile.h"
#include "common/testing/ScratchDirectory.h"

#include <gtest/gtest.h>

#include "pelorin/truetype/TableChecksum.h"
#include "pelorin/truetype/TestFonts_testing.h"

namespace pelorin::truetype {
namespace {

using lumenar::testing::ScratchDirectory;
using testing::BuildTinyFont;
using testing::SquareGlyph;
using testing::TableBytes;
using testing::TinyFontRecipe;

TinyFontRecipe Source() {
    TinyFontRecipe recipe;
    recipe.glyphs = {SquareGlyph(0, 0, 10), SquareGlyph(1, 2, 30), {}};
    recipe.codes = {{0x41, 1}, {0x42, 2}};
    recipe.numberOfHMetrics = 2;
    recipe.longLoca = false;
    recipe.postFormat2 = true;
    recipe.extraTables = {MakeTag("DSIG"), MakeTag("hdmx"), MakeTag("GSUB")};
    return recipe;
}

// Builds a merged font: the source's glyphs plus one new glyph at the end.
std::vector<uint8_t> Merge(const SourceFont& source, const std::filesystem::path& path) {
    auto out = MergedFontFile::Create(path);
    EXPECT_TRUE(out.ok());
    EXPECT_TRUE(out->CopyTables(source).ok());
    std::vector<CodeGlyph> merged = source.EnumerateCodes();
    merged.push_back({0x4E00, 3});
    EXPECT_TRUE(out->WriteCmap(source, merged).ok());
    EXPECT_TRUE(out->SetNumGlyphs(4).ok());
    out->BeginGlyphs();
    std::vector<LongMetric> horizontal, vertical;
    for (uint16_t g = 0; g < source.NumGlyphs(); ++g) {
        out->AppendGlyph(source.GetGlyph(g));
        horizontal.push_back(source.GetMetrics(g).horizontal);
        vertical.push_back(source.GetMetrics(g).vertical);
    }
    const std::vector<Contour> big{testing::Square(0, 0, 500), testing::Square(600, 0, 100),
                                   testing::Square(0, 600, 100)};
    EXPECT_EQ(out->AppendGlyph(EncodeSimpleGlyph(big)), EncodeSimpleGlyph(big).size());
    horizontal.push_back({1000, 0});
    vertical.push_back({1000, 100});
    out->EndGlyphs();
    EXPECT_TRUE(out->WriteLoca(out->GlyphOffsets()).ok());
    EXPECT_TRUE(out->WriteHmtx(horizontal).ok());
    EXPECT_TRUE(out->WriteVmtx(vertical).ok());
    out->FinishCounts();
    std::vector<uint8_t> bytes = out->Serialize();
    EXPECT_TRUE(out->Close().ok());
    return bytes;
}

TEST(MergedFontFile, KeepsTheSourceAndAddsGlyphs) {
    ScratchDirectory dir;
    const std::vector<uint8_t> sourceBytes = BuildTinyFont(Source());
    const SourceFont source = SourceFont::FromBytes(sourceBytes).value();
    const std::vector<uint8_t> file = Merge(source, dir / "merged.ttf");
    EXPECT_EQ(ReadWholeFile(dir / "merged.ttf").value(), file);
    EXPECT_EQ(dir.entryCount(), 1u);

    auto merged = SourceFont::FromBytes(file);
    ASSERT_TRUE(merged.ok()) << merged.error().detail;
    // Same directory but the per-glyph and signature tables.
    std::vector<TableTag> expected;
    for (const auto& r : source.Directory()) {
        if (r.tag != MakeTag("DSIG") && r.tag != tags::kHdmx) expected.push_back(r.tag);
    }
    std::vector<TableTag> actual;
    for (const auto& r : merged->Directory()) actual.push_back(r.tag);
    EXPECT_EQ(actual, expected);
    for (TableTag tag : {tags::kName, MakeTag("GSUB")}) {
        EXPECT_TRUE(std::ranges::equal(merged->Table(tag), source.Table(tag))) << TagText(tag);
    }
    EXPECT_EQ(merged->NumGlyphs(), 4);
    EXPECT_TRUE(merged->HasLongLoca());
    EXPECT_EQ(merged->NumberOfHMetrics(), 4);
    EXPECT_EQ(merged->NumOfLongVerMetrics(), 4);
    for (uint16_t g = 0; g < 3; ++g) {
        EXPECT_TRUE(std::ranges::equal(merged->GetGlyph(g), source.GetGlyph(g))) << g;
        EXPECT_EQ(merged->GetMetrics(g).horizontal, source.GetMetrics(g).horizontal) << g;
    }
    EXPECT_EQ(merged->GetMetrics(3).vertical, (LongMetric{1000, 100}));
    EXPECT_EQ(merged->GlyphForCode(0x4E00), 3);
    EXPECT_EQ(merged->GlyphForCode(0x42), 2);
    const auto maxp = merged->Table(tags::kMaxp);
    EXPECT_EQ(GetU16(maxp, 6), 12);  // maxPoints of the new glyph
    EXPECT_EQ(GetU16(maxp, 8), 3);
    EXPECT_EQ(merged->Table(tags::kOS2)[78], source.Table(tags::kOS2)[78] | 0x31);
    const auto post = merged->Table(tags::kPost);
    EXPECT_EQ(GetU16(post, 32), 4);
    EXPECT_EQ(GetU16(post, 34 + 2 * 3), 0);    // the new glyph borrows .notdef's name
    EXPECT_EQ(GetU16(post, 34 + 2 * 1), 258);  // old names keep their index
    EXPECT_EQ(post[34 + 2 * 4], 4);            // then the name strings follow
    EXPECT_EQ(TableChecksum(file), 0xB1B0AFBAu);
}

TEST(MergedFontFile, RefusesTablesThatDoNotMatchTheGlyphCount) {
    ScratchDirectory dir;
    const SourceFont source = SourceFont::FromBytes(BuildTinyFont(Source())).value();
    auto out = MergedFontFile::Create(dir / "m.ttf");
    ASSERT_TRUE(out.ok());
    ASSERT_TRUE(out->CopyTables(source).ok());
    EXPECT_FALSE(out->SetNumGlyphs(70000).ok());
    ASSERT_TRUE(out->SetNumGlyphs(3).ok());
    out->BeginGlyphs();
    out->AppendGlyph(source.GetGlyph(0));
    const std::vector<uint32_t> tooFew{0, 4};
    EXPECT_FALSE(out->WriteLoca(tooFew).ok());
    EXPECT_FALSE(out->WriteHmtx(std::vector<LongMetric>(2)).ok());
    EXPECT_FALSE(out->Close().ok());  // no cmap, loca, hmtx
    EXPECT_FALSE(std::filesystem::exists(dir / "m.ttf"));
}

}  // namespace
}  // namespace pelorin::truetype
