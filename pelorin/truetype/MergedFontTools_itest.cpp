// A real font copied with extra glyphs, read back by ots-sanitize, fontTools
// and FreeType.

#include <gtest/gtest.h>

#include "common/testing/ScratchDirectory.h"
#include "pelorin/truetype/FreeTypeOutline.h"
#include "pelorin/truetype/MergedFontFile.h"
#include "pelorin/truetype/OutsideTools_testing.h"
#include "pelorin/truetype/RealFonts_testing.h"
#include "pelorin/truetype/SimpleGlyphCodec.h"
#include "pelorin/truetype/TestFonts_testing.h"

namespace pelorin::truetype {
namespace {

using namespace testing;
using lumenar::testing::ScratchDirectory;

const char* kCheckMerged = R"(
import sys
from fontTools.ttLib import TTFont
font = TTFont(sys.argv[1], checkChecksums=2)
expected = int(sys.argv[2])
assert font['maxp'].numGlyphs == expected, font['maxp'].numGlyphs
assert len(font.getGlyphOrder()) == expected
cmap = font['cmap'].getcmap(3, 1).cmap
for code in map(lambda s: int(s, 16), sys.argv[3:]):
    assert font.getGlyphID(cmap[code]) >= expected - 3, hex(code)
    assert font['glyf'][cmap[code]].numberOfContours == 2, hex(code)
print('ok')
)";

// Codes above U+FFFF: the copy must map each to the glyph the source does.
const char* kCompareSupplementary = R"(
import sys
from fontTools.ttLib import TTFont
def supplementary(font):
    return {code: font.getGlyphID(name) for code, name in font.getBestCmap().items() if code > 0xFFFF}
source = supplementary(TTFont(sys.argv[1], fontNumber=int(sys.argv[2])))
copy = supplementary(TTFont(sys.argv[3]))
missing = [hex(code) for code in source if copy.get(code) != source[code]]
assert not missing and len(copy) == len(source), (len(source), len(copy), missing[:10])
print('ok', len(source))
)";

struct NewGlyph {
    uint32_t code;
    std::vector<Contour> contours;
};

// Three codes the font lacks, each with a two-square outline.
std::vector<NewGlyph> NewGlyphsFor(const SourceFont& source) {
    std::vector<NewGlyph> glyphs;
    for (uint32_t code = 0xE000; glyphs.size() < 3; ++code) {
        if (source.GlyphForCode(code) != 0) continue;
        const int32_t side = 100 + 50 * static_cast<int32_t>(glyphs.size());
        glyphs.push_back({code, {Square(50, 0, side), Square(400, 400, side)}});
    }
    return glyphs;
}

std::filesystem::path WriteMerged(const SourceFont& source, const std::vector<NewGlyph>& added,
                                  const std::filesystem::path& path) {
    std::vector<CodeGlyph> merged = source.EnumerateAllCodes();
    const uint16_t first = source.NumGlyphs();
    for (size_t i = 0; i < added.size(); ++i) merged.push_back({added[i].code, static_cast<uint16_t>(first + i)});
    std::ranges::sort(merged, {}, &CodeGlyph::code);

    auto out = MergedFontFile::Create(path);
    EXPECT_TRUE(out.ok());
    EXPECT_TRUE(out->CopyTables(source).ok());
    EXPECT_TRUE(out->WriteCmap(source, merged).ok());
    EXPECT_TRUE(out->SetNumGlyphs(first + added.size()).ok());
    out->BeginGlyphs();
    std::vector<LongMetric> horizontal, vertical;
    for (uint16_t g = 0; g < first; ++g) {
        out->AppendGlyph(source.GetGlyph(g));
        horizontal.push_back(source.GetMetrics(g).horizontal);
        vertical.push_back(source.GetMetrics(g).vertical);
    }
    for (const NewGlyph& g : added) {
        out->AppendGlyph(EncodeSimpleGlyph(g.contours));
        horizontal.push_back({source.UnitsPerEm(), 50});
        vertical.push_back({source.UnitsPerEm(), 0});
    }
    out->EndGlyphs();
    EXPECT_TRUE(out->WriteLoca(out->GlyphOffsets()).ok());
    EXPECT_TRUE(out->WriteHmtx(horizontal).ok());
    EXPECT_TRUE(out->WriteVmtx(vertical).ok());
    out->FinishCounts();
    EXPECT_TRUE(out->Close().ok());
    return path;
}

TEST(MergedFontTools, CopyOfARealFontWithNewGlyphsIsValid) {
    ScratchDirectory dir;
    for (const auto& face : {std::pair{kUkai, 0u}, std::pair{kZenHei, 0u}}) {
        const SourceFont source = SourceFont::Open(face.first, face.second).value();
        const std::vector<NewGlyph> added = NewGlyphsFor(source);
        const auto path = WriteMerged(source, added, dir / (face.first.stem().string() + ".ttf"));

        const CommandResult ots = Sanitize(path);
        EXPECT_EQ(ots.exitCode, 0) << face.first << ots.output;
        std::string arguments = Quoted(path) + " " + std::to_string(source.NumGlyphs() + added.size());
        for (const NewGlyph& g : added) {
            char text[16];
            std::snprintf(text, sizeof text, " %X", g.code);
            arguments += text;
        }
        const CommandResult fontTools = RunFontTools(kCheckMerged, arguments);
        EXPECT_EQ(fontTools.exitCode, 0) << face.first << fontTools.output;
        EXPECT_NE(fontTools.output.find("ok"), std::string::npos) << fontTools.output;

        const CommandResult supplementary = RunFontTools(
            kCompareSupplementary, Quoted(face.first) + " " + std::to_string(face.second) + " " + Quoted(path));
        EXPECT_EQ(supplementary.exitCode, 0) << face.first << supplementary.output;
        size_t kept = 0;
        std::sscanf(supplementary.output.c_str(), "ok %zu", &kept);
        if (face.first == kZenHei) {
            EXPECT_GT(kept, 500u) << supplementary.output;
        }

        FreeTypeFace original(face.first, face.second), copy(path, 0);
        ASSERT_TRUE(original.ok() && copy.ok());
        for (const NewGlyph& g : added) {
            const unsigned index = FT_Get_Char_Index(copy.face(), g.code);
            EXPECT_GE(index, source.NumGlyphs());
            EXPECT_EQ(copy.Outline(index), g.contours);
            EXPECT_GT(copy.InkedPixels(index, 48), 20);
        }
        const auto codes = source.EnumerateAllCodes();
        for (size_t i = 0; i < codes.size(); i += 211) {
            const unsigned index = FT_Get_Char_Index(copy.face(), codes[i].code);
            EXPECT_EQ(index, FT_Get_Char_Index(original.face(), codes[i].code)) << std::hex << codes[i].code;
            EXPECT_EQ(copy.Outline(index), original.Outline(index)) << std::hex << codes[i].code;
        }
    }
}

}  // namespace
}  // namespace pelorin::truetype
