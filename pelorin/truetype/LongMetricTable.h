#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pelorin/truetype/LongMetric.h"

namespace pelorin::truetype {

// `hmtx` / `vmtx` decoding by the standard's rule: the first numLong entries
// are full pairs, later glyphs take the last advance and their own side
// bearing from the array that follows.

// The metric of one glyph; nothing when the table is too short for it or numLong is 0.
std::optional<LongMetric> LookUpLongMetric(std::span<const uint8_t> table, uint16_t numLong, uint32_t glyphIndex);

// The table rewritten as numGlyphs full pairs; nothing when it is too short
// for numLong pairs and the side bearings of the rest.
std::optional<std::vector<uint8_t>> ExpandToFullPairs(std::span<const uint8_t> table, uint16_t numLong,
                                                      uint32_t numGlyphs);

}  // namespace pelorin::truetype
