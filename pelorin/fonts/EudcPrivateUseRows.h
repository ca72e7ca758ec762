#pragma once

#include <cstdint>
#include <optional>

namespace pelorin::fonts {

// The user-defined (EUDC) rows of the national code pages and the Private
// Use Area code points Windows gives them, row after row, in each code
// page's own order:
//   936:  AAA1-AFFE -> U+E000, F8A1-FEFE -> U+E234, A140-A7A0 -> U+E4C6
//   950:  FA40-FEFE -> U+E000, 8E40-A0FE -> U+E311, 8140-8DFE -> U+EEB8,
//         C6A1-C8FE -> U+F6B1
//   932:  F040-F9FC -> U+E000
//   949:  C9A1-C9FE -> U+E000, FEA1-FEFE -> U+E05E
//   1361: D831-D8FE -> U+E000
// Trail bytes run through each code page's trail ranges (for example
// 40-7E then A1-FE in 950), so the code points of a row follow one another.

// The Private Use Area code point of a two-byte code (lead byte high) in an
// EUDC row of the code page; nothing for any other code.
std::optional<std::uint16_t> privateUseOfEudcCode(std::uint16_t codePage, std::uint16_t code);

// The reverse: the EUDC code of a Private Use Area code point; nothing when
// the code page gives that code point no EUDC code.
std::optional<std::uint16_t> eudcCodeOfPrivateUse(std::uint16_t codePage, std::uint16_t codePoint);

}  // namespace pelorin::fonts
