#pragma once

// GB18030 as code page 54936 maps it (the GB18030-2000 mapping), for the code
// display. Built on the program's own table so that the bytes do not depend
// on the C library's edition of GB18030.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace tesvik::chars {

// The 1, 2 or 4 bytes of one character.
struct Gb18030Code {
    std::array<std::uint8_t, 4> bytes{};
    std::size_t size = 0;

    std::span<const std::uint8_t> view() const { return {bytes.data(), size}; }
};

// The code of a Unicode scalar value; none for surrogates and values above
// 0x10FFFF.
std::optional<Gb18030Code> encodeGb18030(char32_t scalar);

// The scalar that `bytes` encode, when they are exactly one mapped code.
std::optional<char32_t> decodeGb18030(std::span<const std::uint8_t> bytes);

}  // namespace tesvik::chars
