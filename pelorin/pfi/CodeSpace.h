#pragma once

#include <cstdint>

namespace pelorin {

// The system's code page for a Windows language ID: 1028 gives 950, 1041
// gives 932, 1042 gives 1361, 2052 gives 936, anything else 0.
std::uint16_t CodePageFromLanguage(std::uint16_t languageId);

// True when a two-byte code (lead byte high) lies in the user-defined (EUDC)
// area of the code page. Unknown code pages, 0 included, use the Private Use
// Area U+E000..U+F8FF.
bool IsEudcCode(std::uint16_t codePage, std::uint16_t code);

}  // namespace pelorin
