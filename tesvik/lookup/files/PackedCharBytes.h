#pragma once

// Little-endian fields of the index and record files. A packed character is
// stored as two 16-bit little-endian words, the high word first, so U+E234
// is 00 00 34 E2 and U+20000 (packed D840DC00) is 40 D8 00 DC.

#include <array>
#include <cstdint>
#include <span>

#include "tesvik/chars/PackedChar.h"

namespace tesvik::lookup {

constexpr std::uint16_t readUint16Le(std::span<const std::uint8_t, 2> b) {
    return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

constexpr std::uint32_t readUint32Le(std::span<const std::uint8_t, 4> b) {
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

constexpr std::array<std::uint8_t, 4> uint32LeBytes(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}

constexpr chars::PackedChar readPackedChar(std::span<const std::uint8_t, 4> b) {
    const std::uint32_t high = readUint16Le(b.first<2>());
    const std::uint32_t low = readUint16Le(b.last<2>());
    return (high << 16) | low;
}

constexpr std::array<std::uint8_t, 4> packedCharBytes(chars::PackedChar v) {
    return {static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v),
            static_cast<std::uint8_t>(v >> 8)};
}

}  // namespace tesvik::lookup
