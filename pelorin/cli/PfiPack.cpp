#include "pelorin/cli/PfiPack.h"

#include "pelorin/fonts/CodePageConversion.h"
#include "pelorin/fonts/LibraryOutline.h"
#include "pelorin/truetype/GlyphOutlineReader.h"
#include "pelorin/truetype/SourceFont.h"

namespace pelorin::cli {
namespace {

struct PackedGlyph {
    std::uint16_t code = 0;
    std::int16_t advance = 0;
    std::vector<fonts::LibraryContour> contours;
};

lumenar::Result<PackSummary, std::string> writeLibrary(const PfiPackCommand&, const std::vector<PackedGlyph>&,
                                                       PackSummary) {
    return lumenar::Result<PackSummary, std::string>::failure("the PFI writer is not available yet");
}

}  // namespace

lumenar::Result<PackSummary, std::string> packLibrary(const PfiPackCommand& command) {
    using R = lumenar::Result<PackSummary, std::string>;
    auto font = truetype::SourceFont::Open(command.font, command.faceIndex);
    if (!font) return R::failure(font.error().detail);

    PackSummary summary;
    std::vector<PackedGlyph> glyphs;
    for (const CodeRange& range : command.codes) {
        for (std::uint32_t code = range.first; code <= range.last; ++code) {
            const auto unicode = fonts::toUnicode(command.codePage, static_cast<std::uint16_t>(code));
            const auto outline = unicode ? truetype::ReadGlyphOutline(*font, *unicode)
                                         : truetype::TrueTypeResult<truetype::GlyphOutline>::failure({});
            if (!outline) {
                ++summary.missing;
                continue;
            }
            glyphs.push_back({static_cast<std::uint16_t>(code),
                              fonts::libraryAdvanceOf(*outline, font->UnitsPerEm(), command.em),
                              fonts::libraryContoursOf(*outline, font->UnitsPerEm(), command.em)});
        }
    }
    return writeLibrary(command, glyphs, summary);
}

}  // namespace pelorin::cli
