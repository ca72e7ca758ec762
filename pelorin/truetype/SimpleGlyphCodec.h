#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pelorin/truetype/GlyphOutline.h"

namespace pelorin::truetype {

// A glyph's points in font units, contour by contour.
struct GlyphPoints {
    std::span<const int32_t> xs;
    std::span<const int32_t> ys;
    std::span<const uint8_t> onCurve;     // 1 for on-curve points
    std::span<const uint16_t> endPoints;  // index of each contour's last point
};

struct GlyphBounds {
    int32_t xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};

// Bounds of all points (all zero without points).
GlyphBounds BoundsOf(const GlyphPoints& points);

// True when every coordinate and every delta between consecutive points fits
// the signed 16-bit fields of a glyph.
bool FitsSimpleGlyph(const GlyphPoints& points);

// Bytes EncodeSimpleGlyph writes for these points.
size_t SimpleGlyphSize(const GlyphPoints& points);

// Writes a TrueType simple glyph (big-endian): header with the bounds,
// endPtsOfContours, no instructions, one flag per point (no repeats), x
// deltas, y deltas, and a zero byte when the length would be odd. A delta
// below 256 in magnitude, zero included, is one byte with the short bit and
// the sign in the positive bit; any other is a signed 16-bit value. `out`
// must hold SimpleGlyphSize bytes and the points must fit (FitsSimpleGlyph).
// Returns the length written.
size_t EncodeSimpleGlyph(const GlyphPoints& points, const GlyphBounds& bounds, std::span<uint8_t> out);

// The same encoding for outline contours, bounds taken from the points.
// No contours give empty data (an empty glyph); empty contours are left out.
std::vector<uint8_t> EncodeSimpleGlyph(std::span<const Contour> contours);

// Decodes a simple glyph's contours; nothing when the data is malformed or
// is a composite (numberOfContours < 0). Empty data has no contours.
std::optional<std::vector<Contour>> DecodeSimpleGlyph(std::span<const uint8_t> glyph);

}  // namespace pelorin::truetype
