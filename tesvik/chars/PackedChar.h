#pragma once

#include <cstdint>
#include <string>

namespace tesvik::chars {

// One character as every candidate list carries it: a BMP character as its
// code unit (high half zero), a supplementary character as
// (high surrogate << 16) | low surrogate.
using PackedChar = std::uint32_t;

struct SurrogatePair {
    std::uint16_t high;
    std::uint16_t low;

    bool operator==(const SurrogatePair&) const = default;
};

constexpr bool isPackedPair(PackedChar v) { return v >= 0xD800DC00u; }

// Surrogates of a supplementary scalar (0x10000-0x10FFFF).
constexpr SurrogatePair surrogatesOf(std::uint32_t c) {
    return {static_cast<std::uint16_t>(0xD800 + ((c - 0x10000) >> 10)),
            static_cast<std::uint16_t>(0xDC00 + (c & 0x3FF))};
}

constexpr PackedChar packCodePoint(std::uint32_t c) {
    if (c < 0x10000) return c;
    const SurrogatePair s = surrogatesOf(c);
    return (std::uint32_t{s.high} << 16) | s.low;
}

// The scalar of a packed pair, by the program's formula
// hi * 1024 + lo - 0x35FDC00 (= ((hi - 0xD800) << 10) + (lo - 0xDC00) + 0x10000).
constexpr std::uint32_t scalarOfPackedPair(PackedChar v) { return (v >> 16) * 1024 + (v & 0xFFFF) - 0x35FDC00u; }

constexpr std::uint32_t codePointOf(PackedChar v) { return isPackedPair(v) ? scalarOfPackedPair(v) : v; }

// The two halves of a packed value, as record files store them: unit 0 is
// the high half (0 for a BMP character), unit 1 the low half.
constexpr PackedChar packUnits(std::uint16_t unit0, std::uint16_t unit1) {
    return (std::uint32_t{unit0} << 16) | unit1;
}

// The UTF-16 text of a candidate value: two units (bits 16-31, then 0-15)
// when the high half is not zero, else one unit. On the pages whose lists
// may also hold supplementary scalars, pass `scalarsAccepted`: a value up to
// 0x10FFFF is then a scalar and is turned into its surrogate pair.
inline std::u16string utf16Of(std::uint32_t value, bool scalarsAccepted = false) {
    if (scalarsAccepted && value >= 0x10000 && value <= 0x10FFFF) value = packCodePoint(value);
    if ((value >> 16) == 0) return std::u16string(1, static_cast<char16_t>(value));
    return {static_cast<char16_t>(value >> 16), static_cast<char16_t>(value & 0xFFFF)};
}

}  // namespace tesvik::chars
