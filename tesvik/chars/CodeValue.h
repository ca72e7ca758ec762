#pragma once

// How the code display reads a candidate value.

#include "tesvik/chars/PackedChar.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace tesvik::chars {

// A packed pair whose halves are a high and a low surrogate.
constexpr bool isSurrogatePairValue(std::uint32_t v) {
    const std::uint32_t high = v >> 16;
    const std::uint32_t low = v & 0xFFFF;
    return high >= 0xD800 && high <= 0xDBFF && low >= 0xDC00 && low <= 0xDFFF;
}

// The character a displayed value stands for: the scalar of a packed pair,
// any other value as it is (a scalar, or a value that names no character).
constexpr std::uint32_t displayedScalarOf(std::uint32_t v) {
    return isSurrogatePairValue(v) ? scalarOfPackedPair(v) : v;
}

// A hexadecimal number read the way the code fields read one: leading
// blanks and a "0x" prefix are skipped, reading stops at the first
// non-hexadecimal character. None when there is no digit or the number does
// not fit 32 bits.
std::optional<std::uint32_t> parseHexValue(std::string_view text);

}  // namespace tesvik::chars
