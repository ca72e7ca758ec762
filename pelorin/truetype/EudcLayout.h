#pragma once

#include <cstdint>

#include "pelorin/truetype/CTTFMan.h"

namespace pelorin::truetype {

// The fixed shape of an EUDC font: the Private Use Area U+E000..U+F8FF,
// glyph index = code - 0xE000 + 2, glyph 0 a small square, glyph 1 empty.
namespace eudc {
inline constexpr uint16_t kFirstCode = 0xE000;
inline constexpr uint16_t kLastCode = 0xF8FF;
inline constexpr uint16_t kUnitsPerEm = 256;
inline constexpr uint16_t kNumGlyphs = kLastCode - kFirstCode + 3;  // 6402
inline constexpr uint16_t kFirstCodeGlyph = 2;
}  // namespace eudc

// A new EUDC font with every table filled in (glyph 0 the square, all other
// slots empty, every advance the em), directory and data in the EUDC order.
// languageId goes into `name` and selects the `OS/2` ranges; baseWinAscent
// is the usWinAscent of the font the EUDC font serves.
CTTFMan BuildEudcFont(uint16_t languageId, uint16_t baseWinAscent);

}  // namespace pelorin::truetype
