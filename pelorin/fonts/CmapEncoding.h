#pragma once

#include "pelorin/truetype/SourceFont.h"

#include <cstdint>

namespace pelorin::fonts {

// The Windows encoding ID the font's character map stands for: that of the
// first format 4 subtable, except that a subtable of the Unicode platform (0)
// counts as Unicode (1) whatever its encoding ID says.
std::uint16_t cmapEncodingOf(const truetype::SourceFont& font);

}  // namespace pelorin::fonts
