#pragma once

#include <cstdint>

namespace pelorin::truetype {

// One `hmtx` or `vmtx` entry: advance, then side bearing.
struct LongMetric {
    uint16_t advance = 0;
    int16_t sideBearing = 0;

    // The outline converter's packed form: advance in the high 16 bits,
    // side bearing in the low 16 bits.
    static constexpr LongMetric Unpack(uint32_t packed) {
        return {static_cast<uint16_t>(packed >> 16), static_cast<int16_t>(static_cast<uint16_t>(packed))};
    }
    constexpr uint32_t Pack() const {
        return static_cast<uint32_t>(advance) << 16 | static_cast<uint16_t>(sideBearing);
    }
    friend bool operator==(const LongMetric&, const LongMetric&) = default;
};

struct GlyphMetrics {
    LongMetric horizontal;
    LongMetric vertical;
};

}  // namespace pelorin::truetype
