// EUDC fonts we write, read back by ots-sanitize, fontTools and FreeType.

#include <gtest/gtest.h>

#include "common/testing/ScratchDirectory.h"
#include "pelorin/truetype/EudcFontFile.h"
#include "pelorin/truetype/FreeTypeOutline.h"
#include "pelorin/truetype/GlyphOutlineReader.h"
#include "pelorin/truetype/OutsideTools_testing.h"
#include "pelorin/truetype/RealFonts_testing.h"
#include "pelorin/truetype/SimpleGlyphCodec.h"
#include "pelorin/truetype/TestFonts_testing.h"

namespace pelorin::truetype {
namespace {

using namespace testing;
using lumenar::testing::ScratchDirectory;

// Checks every table checksum, the whole-file checksum and the PUA map.
const char* kCheckEudc = R"(
import sys
from fontTools.ttLib import TTFont
path = sys.argv[1]
font = TTFont(path, checkChecksums=2)
font.ensureDecompiled()
data = open(path, 'rb').read()
total = sum(int.from_bytes(data[i:i + 4], 'big') for i in range(0, len(data), 4)) & 0xFFFFFFFF
assert total == 0xB1B0AFBA, hex(total)
assert font['maxp'].numGlyphs == 6402
cmap = font['cmap'].getcmap(3, 1).cmap
assert font.getGlyphID(cmap[0xE000]) == 2 and font.getGlyphID(cmap[0xF8FF]) == 6401
for code in map(lambda s: int(s, 16), sys.argv[2:]):
    glyph = font['glyf'][cmap[code]]
    assert glyph.numberOfContours > 0, hex(code)
print('ok')
)";

struct WrittenGlyph {
    uint32_t code;
    std::vector<Contour> contours;
};

// Real outlines: the first CJK ideographs of the ukai font, brought to the EUDC em.
std::vector<WrittenGlyph> UkaiGlyphsAtEudcEm(int count) {
    const SourceFont ukai = SourceFont::Open(kUkai).value();
    std::vector<WrittenGlyph> glyphs;
    for (int i = 0; i < count; ++i) {
        auto outline = ReadGlyphOutline(ukai, 0x4E00 + static_cast<uint32_t>(i));
        EXPECT_TRUE(outline.ok());
        glyphs.push_back({0xE000u + static_cast<uint32_t>(i), Rescaled(outline->contours, ukai.UnitsPerEm(), 256)});
    }
    return glyphs;
}

void Add(EudcFontFile& eudc, const WrittenGlyph& glyph, bool replace) {
    const auto bytes = EncodeSimpleGlyph(glyph.contours);
    const auto xMin = static_cast<int16_t>(bytes.empty() ? 0 : GetU16(bytes, 2));
    const auto yMax = static_cast<int16_t>(bytes.empty() ? 0 : GetU16(bytes, 8));
    ASSERT_EQ(eudc.AddGlyph(glyph.code, bytes, {256, xMin}, {256, static_cast<int16_t>(220 - yMax)}, replace).value(),
              GlyphSlotChange::Stored);
}

std::string CodeArguments(const std::vector<WrittenGlyph>& glyphs) {
    std::string out;
    for (const WrittenGlyph& g : glyphs) {
        char text[16];
        std::snprintf(text, sizeof text, " %X", g.code);
        out += text;
    }
    return out;
}

void ExpectFreeTypeSees(const std::filesystem::path& path, const std::vector<WrittenGlyph>& glyphs) {
    FreeTypeFace face(path, 0);
    ASSERT_TRUE(face.ok());
    EXPECT_EQ(face.face()->num_glyphs, 6402);
    for (const WrittenGlyph& g : glyphs) {
        const unsigned index = FT_Get_Char_Index(face.face(), g.code);
        EXPECT_EQ(index, g.code - 0xE000 + 2);
        const auto written = DecodeSimpleGlyph(EncodeSimpleGlyph(g.contours));
        EXPECT_EQ(face.Outline(index), written) << std::hex << g.code;
        EXPECT_GT(face.InkedPixels(index, 48), 20) << std::hex << g.code;
    }
}

TEST(EudcFontTools, NewEudcFontIsReadByOutsideTools) {
    ScratchDirectory dir;
    const auto path = dir / "new.tte";
    const std::vector<WrittenGlyph> glyphs = UkaiGlyphsAtEudcEm(40);
    {
        EudcFontFile eudc = EudcFontFile::Create(path, 2052, 1000).value();
        for (const WrittenGlyph& g : glyphs) Add(eudc, g, true);
        ASSERT_TRUE(eudc.AddGlyph(0xE100, {}, {256, 0}, {256, 0}, true).ok());  // a character with no outline
        ASSERT_TRUE(eudc.Close().ok());
    }
    const CommandResult ots = Sanitize(path);
    EXPECT_EQ(ots.exitCode, 0) << ots.output;
    const CommandResult fontTools = RunFontTools(kCheckEudc, Quoted(path) + CodeArguments(glyphs));
    EXPECT_EQ(fontTools.exitCode, 0) << fontTools.output;
    EXPECT_NE(fontTools.output.find("ok"), std::string::npos) << fontTools.output;
    ExpectFreeTypeSees(path, glyphs);
}

TEST(EudcFontTools, EudcFontEditedInPlaceStaysValid) {
    ScratchDirectory dir;
    const auto path = dir / "font.tte";
    std::vector<WrittenGlyph> glyphs = UkaiGlyphsAtEudcEm(12);
    {
        EudcFontFile eudc = EudcFontFile::Create(path, 1028, 1000).value();
        for (size_t i = 0; i < 6; ++i) Add(eudc, glyphs[i], true);
        ASSERT_TRUE(eudc.Close().ok());
    }
    // Replace three glyphs by different outlines and add six more.
    for (size_t i = 0; i < 3; ++i) glyphs[i].contours = glyphs[11 - i].contours;
    {
        auto eudc = EudcFontFile::OpenForMerge(path);
        ASSERT_TRUE(eudc.ok()) << eudc.error().detail;
        for (const WrittenGlyph& g : glyphs) Add(*eudc, g, true);
        ASSERT_TRUE(eudc->Close().ok());
    }
    const CommandResult ots = Sanitize(path);
    EXPECT_EQ(ots.exitCode, 0) << ots.output;
    const CommandResult fontTools = RunFontTools(kCheckEudc, Quoted(path) + CodeArguments(glyphs));
    EXPECT_EQ(fontTools.exitCode, 0) << fontTools.output;
    EXPECT_NE(fontTools.output.find("ok"), std::string::npos) << fontTools.output;
    ExpectFreeTypeSees(path, glyphs);
}

}  // namespace
}  // namespace pelorin::truetype
