#include "pelorin/cli/PfiPack.h"

#include "pelorin/fonts/CodePageConversion.h"
#include "pelorin/pfi/PfiWriter.h"
#include "pelorin/truetype/GlyphOutlineReader.h"
#include "pelorin/truetype/SourceFont.h"

namespace pelorin::cli {
namespace {

SourceGlyph sourceGlyphOf(std::uint16_t code, const truetype::GlyphOutline& outline) {
    SourceGlyph glyph;
    glyph.code = code;
    glyph.advance = outline.advanceWidth;
    for (const truetype::Contour& contour : outline.contours) {
        SourceContour points;
        points.reserve(contour.size());
        for (const truetype::OutlinePoint& p : contour) points.push_back({p.x, p.y, p.onCurve});
        glyph.contours.push_back(std::move(points));
    }
    return glyph;
}

}  // namespace

lumenar::Result<PackSummary, std::string> packLibrary(const PfiPackCommand& command) {
    using R = lumenar::Result<PackSummary, std::string>;
    auto font = truetype::SourceFont::Open(command.font, command.faceIndex);
    if (!font) return R::failure(command.font + ": " + font.error().detail);

    PackSummary summary;
    std::vector<SourceGlyph> glyphs;
    for (const CodeRange& range : command.codes) {
        for (std::uint32_t code = range.first; code <= range.last; ++code) {
            const auto unicode = fonts::toUnicode(command.codePage, static_cast<std::uint16_t>(code));
            if (!unicode) {
                ++summary.missing;
                continue;
            }
            const auto outline = truetype::ReadGlyphOutline(*font, *unicode);
            if (!outline) {
                ++summary.missing;
                continue;
            }
            glyphs.push_back(sourceGlyphOf(static_cast<std::uint16_t>(code), *outline));
        }
    }
    const auto packed = PackPfiLibrary({command.codePage, command.em, font->UnitsPerEm()}, glyphs);
    if (!packed) return R::failure(packed.error().detail);
    summary.packed = glyphs.size() - packed->skipped.size();
    summary.missing += packed->skipped.size();
    if (auto written = WritePfiFile(command.output, packed->bytes); !written)
        return R::failure(command.output + ": " + written.error().detail);
    return summary;
}

}  // namespace pelorin::cli
