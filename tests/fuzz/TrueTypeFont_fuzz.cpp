// A TrueType font or collection over arbitrary bytes: the table directory
// (of the first two faces of a collection), the character maps (formats 4
// and 12 among them), glyph data and metrics, and glyph outlines with
// composites flattened.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "pelorin/truetype/GlyphOutlineReader.h"
#include "pelorin/truetype/SourceFont.h"

namespace {

namespace tt = pelorin::truetype;

// Enough glyphs to reach composites of small fonts, few enough to keep a run short.
constexpr std::uint32_t kMaxGlyphsPerFace = 48;
constexpr std::size_t kMaxCodesPerFace = 24;

void readFace(const tt::SourceFont& font) {
    (void)font.CmapEncoding();
    const std::vector<tt::CodeGlyph> codes = font.EnumerateAllCodes();
    (void)font.EnumerateCodes();
    for (std::size_t i = 0; i < std::min(codes.size(), kMaxCodesPerFace); ++i) {
        (void)font.GlyphForCode(codes[i].code);
        (void)tt::ReadGlyphOutline(font, codes[i].code);
    }
    const std::uint32_t glyphs = std::min<std::uint32_t>(font.NumGlyphs(), kMaxGlyphsPerFace);
    for (std::uint32_t g = 0; g < glyphs; ++g) {
        const auto index = static_cast<std::uint16_t>(g);
        (void)font.GetGlyph(index);
        (void)font.GetMetrics(index);
        (void)tt::ReadGlyphOutlineByIndex(font, index);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (std::uint32_t face = 0; face < 2; ++face) {
        const auto font = tt::SourceFont::FromBytes(std::vector<std::uint8_t>(data, data + size), face);
        if (font) readFace(*font);
    }
    return 0;
}
