#pragma once

#include <cstdint>
#include <optional>

namespace pelorin::fonts {

// Conversions between a library's two-byte codes (lead byte in the high
// byte) and UTF-16 code units, for the code pages 936, 950, 932, 949 and
// 1361. Under code page 0 a code is a UCS-2 code point and converts to
// itself. The EUDC rows map to the Private Use Area as Windows maps them
// (EudcPrivateUseRows.h); every other code goes through the system's
// converter and must make exactly one UTF-16 unit of exactly two bytes.

// The UTF-16 unit of a code; nothing when the code page has no character
// for it (or the code page is not one of the above).
std::optional<std::uint16_t> toUnicode(std::uint16_t codePage, std::uint16_t code);

// The two-byte code of a UTF-16 unit; 0 when the code page has no
// two-byte form for it.
std::uint16_t toLibraryCode(std::uint16_t codePage, std::uint16_t unicode);

// The language ID an EUDC font made for the code page carries: 932 gives
// 1041, 936 gives 2052, 950 gives 1028, any other 1033.
std::uint16_t languageIdOfCodePage(std::uint16_t codePage);

// Whether a font whose `cmap` subtable has this Windows encoding ID suits the
// code page: encoding 1 (Unicode) always; else 932 needs 2, 936 needs 3,
// 949 needs 5, 950 needs 4, 1361 needs 6.
bool cmapEncodingSuits(std::uint16_t codePage, std::uint16_t encodingId);

}  // namespace pelorin::fonts
