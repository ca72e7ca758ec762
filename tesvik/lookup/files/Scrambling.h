#pragma once

#include <cstdint>
#include <span>

namespace tesvik::lookup {

// Record files (.dat) store every byte rotated right by two bits; index files
// and the plain-text source tables are not scrambled.
constexpr std::uint8_t scrambleByte(std::uint8_t b) { return static_cast<std::uint8_t>((b >> 2) | (b << 6)); }

constexpr std::uint8_t unscrambleByte(std::uint8_t s) { return static_cast<std::uint8_t>((s << 2) | (s >> 6)); }

inline void scrambleBytes(std::span<std::uint8_t> bytes) {
    for (std::uint8_t& b : bytes) b = scrambleByte(b);
}

inline void unscrambleBytes(std::span<std::uint8_t> bytes) {
    for (std::uint8_t& b : bytes) b = unscrambleByte(b);
}

}  // namespace tesvik::lookup
