#pragma once

#include <cstdint>

namespace tesvik {

// One character as every candidate list carries it: a BMP character as its
// code unit (high half zero), a supplementary character as
// (high surrogate << 16) | low surrogate.
using PackedChar = std::uint32_t;

constexpr bool isPackedPair(PackedChar v) { return v >= 0xD800DC00u; }

constexpr PackedChar packCodePoint(std::uint32_t c) {
    if (c < 0x10000) return c;
    const std::uint32_t high = 0xD800 + ((c - 0x10000) >> 10);
    const std::uint32_t low = 0xDC00 + (c & 0x3FF);
    return (high << 16) | low;
}

constexpr std::uint32_t codePointOf(PackedChar v) {
    if (!isPackedPair(v)) return v;
    return (v >> 16) * 1024 + (v & 0xFFFF) - 0x35FDC00;
}

}  // namespace tesvik
