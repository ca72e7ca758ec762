#pragma once

#include <array>
#include <cstdint>

namespace tesvik::chars::gb18030 {

// Two-byte codes: lead 0x81-0xFE, trail 0x40-0x7E or 0x80-0xFE.
inline constexpr std::size_t kTrailsPerLead = 190;
inline constexpr std::size_t kTwoByteCodeCount = 126 * kTrailsPerLead;

// The BMP code point of every two-byte code, as code page 54936 maps it.
extern const std::array<std::uint16_t, kTwoByteCodeCount> kTwoByteToBmp;

}  // namespace tesvik::chars::gb18030
