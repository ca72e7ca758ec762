#pragma once

#include <cstddef>
#include <span>

#include "pelorin/pfi/OutlineSegment.h"

namespace pelorin {

// Curve optimisation: shallow corners of a decoded outline are rounded off.
// A join is examined with the points 0 and 1 of the segment that ends at the
// corner (P0, P1) and of the one that starts there (Q0, Q1), whatever their
// kinds; it is rounded when both legs are at least 8 units long and the
// angle measure lies between 0.75 A and A (A = 3.1415). The measure is not
// symmetric: a left turn of up to about 45 degrees is rounded, a right turn
// only when it turns back by 135 degrees or more.
bool ShouldSmoothJoin(const OutlineSegment& ending, const OutlineSegment& starting);

// Records the smoothed form of a decoded outline may need.
inline std::size_t SmoothedRoomFor(std::size_t segmentCount) { return 2 * segmentCount; }

// Rewrites a well-formed decoded outline (see DecodeGlyph) into `out`, which
// must hold SmoothedRoomFor(outline.size()) records; returns the records
// written. A rounded corner becomes a line P0 -> M1 and a curve M1, P1, M2
// (M1, M2 the midpoints of the two legs), and the next segment then starts
// at M2.
//
// Each contour's closing corner is examined once, through the head record
// (the copy of the last segment) and the first segment; the last segment is
// not examined again against the tail. When the closing corner is rounded
// the contour starts at M1, so its last segment is cut to a line ending
// there, and left out when nothing of it remains.
std::size_t SmoothOutline(std::span<const OutlineSegment> outline, std::span<OutlineSegment> out);

}  // namespace pelorin
