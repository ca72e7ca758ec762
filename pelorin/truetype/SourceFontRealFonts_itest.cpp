// Installed CJK fonts read through SourceFont and the outline reader,
// compared with what FreeType and fontTools read from the same files.

#include <gtest/gtest.h>

#include <sstream>

#include "pelorin/truetype/FreeTypeOutline.h"
#include FT_TRUETYPE_TABLES_H
#include "pelorin/truetype/GlyphOutlineReader.h"
#include "pelorin/truetype/OutsideTools_testing.h"
#include "pelorin/truetype/RealFonts_testing.h"

namespace pelorin::truetype {
namespace {

using namespace testing;

struct FontFace {
    std::filesystem::path path;
    uint32_t face;
};

TEST(SourceFontRealFonts, EveryFaceOfTheCollectionsAgreesWithFreeType) {
    for (const auto& path : {kUkai, kZenHei}) {
        const auto faces = SourceFont::FaceCount(path);
        ASSERT_TRUE(faces.ok());
        FreeTypeFace probe(path, 0);
        ASSERT_TRUE(probe.ok());
        EXPECT_EQ(*faces, static_cast<uint32_t>(probe.face()->num_faces)) << path;
        for (uint32_t i = 0; i < *faces; ++i) {
            auto font = SourceFont::Open(path, i);
            ASSERT_TRUE(font.ok()) << path << " " << i << ": " << font.error().detail;
            FreeTypeFace ft(path, i);
            ASSERT_TRUE(ft.ok());
            const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(ft.face(), FT_SFNT_OS2));
            const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(ft.face(), FT_SFNT_HHEA));
            EXPECT_EQ(font->NumGlyphs(), ft.face()->num_glyphs) << i;
            EXPECT_EQ(font->UnitsPerEm(), ft.face()->units_per_EM) << i;
            EXPECT_EQ(font->WinAscent(), os2->usWinAscent) << i;
            EXPECT_EQ(font->Ascender(), hhea->Ascender) << i;
            EXPECT_EQ(font->NumberOfHMetrics(), hhea->number_Of_HMetrics) << i;
            EXPECT_EQ(font->CmapEncoding(), 1) << i;
        }
        EXPECT_FALSE(SourceFont::Open(path, *faces).ok());
    }
}

// The first format 4 subtable as "code glyph" lines, glyph 0 left out.
const char* kDumpFormat4 = R"(
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1], fontNumber=int(sys.argv[2]), lazy=True)
table = next(t for t in font['cmap'].tables if t.format == 4)
for code, name in sorted(table.cmap.items()):
    glyph = font.getGlyphID(name)
    if glyph and code != 0xFFFF:
        print(code, glyph)
)";

TEST(SourceFontRealFonts, CodeEnumerationMatchesFontTools) {
    for (const FontFace& f : {FontFace{kUkai, 0}, FontFace{kZenHei, 2}}) {
        const SourceFont font = SourceFont::Open(f.path, f.face).value();
        const CommandResult dump = RunFontTools(kDumpFormat4, Quoted(f.path) + " " + std::to_string(f.face));
        ASSERT_EQ(dump.exitCode, 0) << dump.output;
        std::vector<CodeGlyph> expected;
        std::istringstream lines(dump.output);
        uint32_t code, glyph;
        while (lines >> code >> glyph) expected.push_back({code, static_cast<uint16_t>(glyph)});
        EXPECT_GT(expected.size(), 20000u);
        EXPECT_EQ(font.EnumerateCodes(), expected) << f.path;
    }
}

// Outlines of a spread of characters, composites among them, point for point.
TEST(SourceFontRealFonts, OutlinesMatchFreeType) {
    const std::vector<uint32_t> composites = {'i', 0xC0, 0x2105, 0x2216, 0x221F, 0x2223, 0x2236};
    for (const FontFace& f : {FontFace{kUkai, 0}, FontFace{kZenHei, 0}}) {
        const SourceFont font = SourceFont::Open(f.path, f.face).value();
        FreeTypeFace ft(f.path, f.face);
        ASSERT_TRUE(ft.ok());
        std::vector<uint32_t> codes = composites;
        const auto all = font.EnumerateCodes();
        for (size_t i = 0; i < all.size(); i += 97) codes.push_back(all[i].code);
        size_t compared = 0;
        for (uint32_t code : codes) {
            auto outline = ReadGlyphOutline(font, code);
            if (!outline.ok()) {
                EXPECT_EQ(FT_Get_Char_Index(ft.face(), code), 0u) << std::hex << code;
                continue;
            }
            const auto expected = ft.Outline(outline->glyphIndex);
            ASSERT_TRUE(expected) << std::hex << code;
            ASSERT_EQ(outline->contours.size(), expected->size()) << std::hex << code;
            for (size_t c = 0; c < expected->size(); ++c) {
                ASSERT_EQ(outline->contours[c].size(), (*expected)[c].size()) << std::hex << code;
                for (size_t p = 0; p < (*expected)[c].size(); ++p) {
                    const OutlinePoint ours = outline->contours[c][p], theirs = (*expected)[c][p];
                    // Scaled components may round one unit apart.
                    EXPECT_LE(std::abs(ours.x - theirs.x), 1) << std::hex << code;
                    EXPECT_LE(std::abs(ours.y - theirs.y), 1) << std::hex << code;
                    EXPECT_EQ(ours.onCurve, theirs.onCurve) << std::hex << code;
                }
            }
            EXPECT_EQ(outline->advanceWidth, ft.face()->glyph->metrics.horiAdvance) << std::hex << code;
            ++compared;
        }
        EXPECT_GT(compared, 200u) << f.path;
    }
}

}  // namespace
}  // namespace pelorin::truetype
