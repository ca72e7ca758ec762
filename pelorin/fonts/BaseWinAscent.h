#pragma once

#include <cstdint>
#include <string>

namespace pelorin::fonts {

// usWinAscent of a new EUDC font's own glyphs (its ascender at em 256),
// used when the face it serves gives none.
inline constexpr std::uint16_t kDefaultEudcWinAscent = 220;

// usWinAscent of an installed face, for a new EUDC font that serves it;
// kDefaultEudcWinAscent when the face cannot be read or gives 0.
std::uint16_t winAscentOf(const std::string& fontFile, int faceIndex);

}  // namespace pelorin::fonts
