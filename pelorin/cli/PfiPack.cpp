#include "pelorin/cli/PfiPack.h"

#include "pelorin/cli/CliMessages.h"
#include "pelorin/cli/CodeMap.h"
#include "pelorin/fonts/CodePageConversion.h"
#include "pelorin/pfi/PfiWriter.h"
#include "pelorin/truetype/GlyphOutlineReader.h"
#include "pelorin/truetype/SourceFont.h"

#include <cmath>
#include <optional>

namespace pelorin::cli {
namespace {

std::int32_t scaled(std::int32_t value, std::uint16_t toEm, std::uint16_t fromEm) {
    return static_cast<std::int32_t>(std::lround(static_cast<double>(value) * toEm / fromEm));
}

SourceGlyph sourceGlyphOf(std::uint16_t code, const truetype::GlyphOutline& outline, std::uint16_t toEm,
                          std::uint16_t fromEm) {
    SourceGlyph glyph;
    glyph.code = code;
    glyph.advance = scaled(outline.advanceWidth, toEm, fromEm);
    for (const truetype::Contour& contour : outline.contours) {
        SourceContour points;
        points.reserve(contour.size());
        for (const truetype::OutlinePoint& p : contour)
            points.push_back({scaled(p.x, toEm, fromEm), scaled(p.y, toEm, fromEm), p.onCurve});
        glyph.contours.push_back(std::move(points));
    }
    return glyph;
}

class SourceFonts {
public:
    static lumenar::Result<SourceFonts, std::string> open(const PfiPackCommand& command) {
        using R = lumenar::Result<SourceFonts, std::string>;
        SourceFonts sources;
        for (const std::string& path : command.fonts) {
            auto font = truetype::SourceFont::Open(path, command.faceIndex);
            if (!font) return R::failure(path + ": " + font.error().detail);
            sources.fonts_.push_back(std::move(font.value()));
        }
        return sources;
    }

    std::uint16_t em() const { return fonts_.front().UnitsPerEm(); }

    // The glyph of the code point in the library's units, from the first font
    // that draws it (or, failing that, the first that maps it to an empty glyph).
    std::optional<SourceGlyph> glyphOf(std::uint32_t codePoint, std::uint16_t libraryCode) const {
        std::optional<SourceGlyph> empty;
        for (const truetype::SourceFont& font : fonts_) {
            const auto outline = truetype::ReadGlyphOutline(font, codePoint);
            if (!outline) continue;
            SourceGlyph glyph = sourceGlyphOf(libraryCode, *outline, em(), font.UnitsPerEm());
            if (!glyph.contours.empty()) return glyph;
            if (!empty) empty = std::move(glyph);
        }
        return empty;
    }

private:
    std::vector<truetype::SourceFont> fonts_;
};

std::vector<CodeMapping> mappingsOfRanges(const PfiPackCommand& command, std::size_t& unconvertible) {
    std::vector<CodeMapping> rows;
    for (const CodeRange& range : command.codes) {
        for (std::uint32_t code = range.first; code <= range.last; ++code) {
            const auto unicode = fonts::toUnicode(command.codePage, static_cast<std::uint16_t>(code));
            if (unicode)
                rows.push_back({static_cast<std::uint16_t>(code), *unicode});
            else
                ++unconvertible;
        }
    }
    return rows;
}

}  // namespace

lumenar::Result<PackSummary, std::string> packLibrary(const PfiPackCommand& command) {
    using R = lumenar::Result<PackSummary, std::string>;
    const auto sources = SourceFonts::open(command);
    if (!sources) return R::failure(sources.error());

    PackSummary summary;
    std::vector<CodeMapping> rows;
    if (command.map) {
        auto map = readCodeMap(*command.map);
        if (!map) return R::failure(map.error());
        rows = std::move(map.value());
    } else {
        rows = mappingsOfRanges(command, summary.missing);
    }

    std::vector<SourceGlyph> glyphs;
    std::vector<std::uint32_t> codePointOf(0x10000, 0);
    for (const CodeMapping& row : rows) {
        codePointOf[row.libraryCode] = row.sourceCodePoint;
        if (auto glyph = sources->glyphOf(row.sourceCodePoint, row.libraryCode)) {
            glyphs.push_back(std::move(*glyph));
            continue;
        }
        ++summary.missing;
        if (command.map)
            summary.absent.push_back(
                {row.libraryCode, row.sourceCodePoint, std::string(message::kNoSourceFontDrawsIt)});
    }
    const auto packed = PackPfiLibrary({command.codePage, command.em, sources->em()}, glyphs);
    if (!packed) return R::failure(packed.error().detail);
    summary.packed = glyphs.size() - packed->skipped.size();
    summary.missing += packed->skipped.size();
    if (command.map)
        for (const SkippedGlyph& skipped : packed->skipped)
            summary.absent.push_back({skipped.code, codePointOf[skipped.code], skipped.reason});
    if (auto written = WritePfiFile(command.output, packed->bytes); !written)
        return R::failure(command.output + ": " + written.error().detail);
    return summary;
}

}  // namespace pelorin::cli
