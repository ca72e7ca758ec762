#pragma once

#include <array>
#include <cstdint>

namespace pelorin {

// A point of a library outline, in library units (y grows upwards).
struct OutlinePoint {
    std::int16_t x = 0;
    std::int16_t y = 0;
    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

enum class SegmentRole : std::uint8_t {
    Inner = 0,  // a segment of the contour, in stream order
    Head = 1,   // copy of the contour's last segment, placed before its first
    Tail = 2,   // copy of the contour's first segment, placed after its last
    End = 3,    // closes the whole list
};

enum class SegmentKind : std::uint8_t {
    None = 0,   // only the end record
    Line = 1,   // points 0 (start) and 1 (end)
    Curve = 2,  // points 0 (start) to 3
};

// One decoded outline segment. A decoded glyph is, per contour, a head
// record, the contour's segments and a tail record, and one end record after
// the last contour: the copies let later stages see the neighbours of the
// first and last segment without wrapping indices.
struct OutlineSegment {
    SegmentRole role = SegmentRole::Inner;
    SegmentKind kind = SegmentKind::None;
    std::array<OutlinePoint, 4> points{};
    friend bool operator==(const OutlineSegment&, const OutlineSegment&) = default;
};

}  // namespace pelorin
