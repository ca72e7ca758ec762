#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pelorin/truetype/GlyphOutline.h"

namespace pelorin::truetype {

// Encodes contours as a TrueType simple glyph: header with the bounding box,
// endPtsOfContours, no instructions, flags (repeats folded), x then y deltas
// in their short forms where they fit, padded to an even length. No
// contours give empty data (an empty glyph); empty contours are left out.
// Coordinates must fit in 16 bits.
std::vector<uint8_t> EncodeSimpleGlyph(std::span<const Contour> contours);

// Decodes a simple glyph's contours; nothing when the data is malformed or
// is a composite (numberOfContours < 0). Empty data has no contours.
std::optional<std::vector<Contour>> DecodeSimpleGlyph(std::span<const uint8_t> glyph);

}  // namespace pelorin::truetype
