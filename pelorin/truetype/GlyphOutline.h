#pragma once

#include <cstdint>
#include <vector>

namespace pelorin::truetype {

// A point of a TrueType outline in font units. Off-curve points are
// quadratic control points; two off-curve points in a row imply an on-curve
// point halfway between them.
struct OutlinePoint {
    int32_t x = 0;
    int32_t y = 0;
    bool onCurve = true;
    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

using Contour = std::vector<OutlinePoint>;

struct GlyphOutline {
    uint16_t glyphIndex = 0;
    uint16_t advanceWidth = 0;
    std::vector<Contour> contours;  // closed contours, composites flattened
};

}  // namespace pelorin::truetype
