#pragma once

#include "pelorin/pfi/OutlineSegment.h"
#include "pelorin/truetype/GlyphOutline.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pelorin::fonts {

// A TrueType outline in a library's terms: per contour its segments in
// order, each a line (start, end) or a curve (start, control, end, end),
// the last one ending on the contour's first point. Coordinates are scaled
// from the font's em to the library's and lifted so that the baseline lies
// 0.15 library em above y = 0. Contours with fewer than two distinct points
// are dropped.
using LibraryContour = std::vector<OutlineSegment>;

std::vector<LibraryContour> libraryContoursOf(const truetype::GlyphOutline& outline, std::uint16_t fontEm,
                                              std::uint16_t libraryEm);

// The advance width in library units.
std::int16_t libraryAdvanceOf(const truetype::GlyphOutline& outline, std::uint16_t fontEm, std::uint16_t libraryEm);

}  // namespace pelorin::fonts
