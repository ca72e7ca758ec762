#pragma once

#include "pelorin/truetype/CmapSubtable.h"

#include <cstdint>
#include <vector>

namespace pelorin::fonts {

// One code of a merged font: its glyph index and whether the glyph comes
// from the library or from the font.
struct MergedCode {
    std::uint32_t code = 0;
    std::uint16_t glyph = 0;
    bool fromLibrary = false;
    bool operator==(const MergedCode&) const = default;
};

struct MergePlan {
    std::vector<MergedCode> codes;  // ascending by code
    std::uint32_t glyphCount = 0;   // the font's glyphs plus one per library code it lacked
};

// Merges the font's (code, glyph) list (ascending by code) with the library's
// codes (ascending, each once). A code both have keeps the font's glyph
// index, marked from the library when the library is preferred; a code only
// the library has gets the next new glyph index from fontGlyphCount on.
MergePlan planMerge(const std::vector<truetype::CodeGlyph>& fontCodes, const std::vector<std::uint32_t>& libraryCodes,
                    std::uint16_t fontGlyphCount, bool libraryPreferred);

// Per glyph index below the plan's count: the library code whose glyph it
// takes, or 0 for a glyph copied from the font.
std::vector<std::uint32_t> libraryCodeByGlyph(const MergePlan& plan);

}  // namespace pelorin::fonts
