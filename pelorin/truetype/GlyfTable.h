#pragma once

#include <cstddef>
#include <cstdint>

#include "pelorin/truetype/TableField.h"

namespace pelorin::truetype {

// A glyph in `glyf`: a header, then for a simple glyph endPtsOfContours,
// instructionLength, instructions, one flag per point (or a repeated flag
// and its count) and the x then y coordinates as deltas.
struct GlyphHeader {
    static constexpr Field<int16_t> numberOfContours{0};  // negative for a composite
    static constexpr Field<int16_t> xMin{2};
    static constexpr Field<int16_t> yMin{4};
    static constexpr Field<int16_t> xMax{6};
    static constexpr Field<int16_t> yMax{8};
    static constexpr size_t kSize = 10;  // endPtsOfContours start here
};

// Flag bits of a simple glyph's points.
namespace glyph_flags {
inline constexpr uint8_t kOnCurve = 0x01;
inline constexpr uint8_t kXShort = 0x02;           // x delta is one byte
inline constexpr uint8_t kYShort = 0x04;           // y delta is one byte
inline constexpr uint8_t kRepeat = 0x08;           // the next byte counts further copies of this flag
inline constexpr uint8_t kXSameOrPositive = 0x10;  // short: the delta is positive; long: no delta, x repeats
inline constexpr uint8_t kYSameOrPositive = 0x20;
}  // namespace glyph_flags

// Flag bits of a composite glyph's components.
namespace component_flags {
inline constexpr uint16_t kArgsAreWords = 0x0001;
inline constexpr uint16_t kArgsAreXYValues = 0x0002;
inline constexpr uint16_t kHaveScale = 0x0008;
inline constexpr uint16_t kMoreComponents = 0x0020;
inline constexpr uint16_t kHaveXYScale = 0x0040;
inline constexpr uint16_t kHaveTwoByTwo = 0x0080;
inline constexpr uint16_t kScaledComponentOffset = 0x0800;
inline constexpr uint16_t kUnscaledComponentOffset = 0x1000;
}  // namespace component_flags

}  // namespace pelorin::truetype
