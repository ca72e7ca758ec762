#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/GlyfTable.h"

namespace pelorin::truetype {

// What `maxp` needs from a glyph: its contour and point counts.
struct GlyphCounts {
    int16_t numberOfContours = 0;  // -1 for a composite
    uint32_t points = 0;           // last endPtsOfContours + 1; 0 for a composite or an empty glyph
};

// Reads the counts of encoded glyph data; nothing when the data is too short
// for its header or its endPtsOfContours. Empty data is an empty glyph.
inline std::optional<GlyphCounts> ReadGlyphCounts(std::span<const uint8_t> glyph) {
    if (glyph.empty()) return GlyphCounts{};
    const ByteView view(glyph);
    const auto contours = ReadField(glyph, GlyphHeader::numberOfContours);
    if (!contours || !view.Has(0, GlyphHeader::kSize)) return std::nullopt;
    if (*contours <= 0) return GlyphCounts{*contours, 0};
    const auto lastEnd = view.U16(GlyphHeader::kSize + 2 * (static_cast<size_t>(*contours) - 1));
    if (!lastEnd) return std::nullopt;
    return GlyphCounts{*contours, static_cast<uint32_t>(*lastEnd) + 1};
}

// Running `maxp` maxima over the simple glyphs written.
struct GlyphMaxima {
    uint16_t maxPoints = 0;
    uint16_t maxContours = 0;

    void Include(const GlyphCounts& counts) {
        if (counts.numberOfContours <= 0) return;
        maxContours = std::max<uint16_t>(maxContours, static_cast<uint16_t>(counts.numberOfContours));
        maxPoints = static_cast<uint16_t>(std::min<uint32_t>(0xFFFF, std::max<uint32_t>(maxPoints, counts.points)));
    }
};

}  // namespace pelorin::truetype
