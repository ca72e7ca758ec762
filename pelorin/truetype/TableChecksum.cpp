#include "pelorin/truetype/TableChecksum.h"

namespace pelorin::truetype {

uint32_t TableChecksum(std::span<const uint8_t> bytes) {
    uint32_t sum = 0;
    size_t i = 0;
    for (; i + 4 <= bytes.size(); i += 4) {
        sum += static_cast<uint32_t>(bytes[i]) << 24 | static_cast<uint32_t>(bytes[i + 1]) << 16 |
               static_cast<uint32_t>(bytes[i + 2]) << 8 | bytes[i + 3];
    }
    uint32_t last = 0;
    for (int shift = 24; i < bytes.size(); ++i, shift -= 8) last |= static_cast<uint32_t>(bytes[i]) << shift;
    return sum + last;
}

SearchFields SearchFieldsFor(uint16_t count, uint16_t unitSize) {
    uint16_t power = 1;
    uint16_t log2 = 0;
    while (count > 0 && power * 2u <= count) {
        power = static_cast<uint16_t>(power * 2);
        ++log2;
    }
    if (count == 0) power = 0;
    const auto range = static_cast<uint16_t>(power * unitSize);
    return {range, log2, static_cast<uint16_t>(count * unitSize - range)};
}

}  // namespace pelorin::truetype
