#pragma once

// Character fields of the plain (unscrambled) record bytes: runs of ASCII
// characters at fixed offsets, as every record codec reads and writes them.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tesvik::lookup {

template <std::size_t N>
std::array<char, N> charsAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::array<char, N> chars{};
    std::transform(bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                   bytes.begin() + static_cast<std::ptrdiff_t>(offset + N), chars.begin(),
                   [](std::uint8_t b) { return static_cast<char>(b); });
    return chars;
}

template <std::size_t N>
void putChars(std::span<std::uint8_t> bytes, std::size_t offset, const std::array<char, N>& chars) {
    std::transform(chars.begin(), chars.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                   [](char c) { return static_cast<std::uint8_t>(c); });
}

inline void putBytes(std::span<std::uint8_t> bytes, std::size_t offset, std::span<const std::uint8_t> from) {
    std::copy(from.begin(), from.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace tesvik::lookup
