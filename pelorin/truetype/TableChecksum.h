#pragma once

#include <cstdint>
#include <span>

namespace pelorin::truetype {

// Sum of the bytes as big-endian u32 words, a final partial word padded with zero bytes.
uint32_t TableChecksum(std::span<const uint8_t> bytes);

// What `head` checkSumAdjustment must hold for a font file whose bytes
// (with checkSumAdjustment still zero) sum to fileChecksum.
constexpr uint32_t CheckSumAdjustmentFor(uint32_t fileChecksum) { return 0xB1B0AFBAu - fileChecksum; }

// The offset table's binary-search fields for a count of equally sized units
// (tables of 16 bytes, cmap segments of 2 bytes): largest power of two not
// above count, times unitSize; its log2; count * unitSize minus searchRange.
struct SearchFields {
    uint16_t searchRange;
    uint16_t entrySelector;
    uint16_t rangeShift;
};
SearchFields SearchFieldsFor(uint16_t count, uint16_t unitSize);

}  // namespace pelorin::truetype
