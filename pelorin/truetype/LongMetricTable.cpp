#include "pelorin/truetype/LongMetricTable.h"

#include "pelorin/truetype/BigEndian.h"

namespace pelorin::truetype {

std::optional<LongMetric> LookUpLongMetric(std::span<const uint8_t> table, uint16_t numLong, uint32_t glyphIndex) {
    if (numLong == 0) return std::nullopt;
    const ByteView view(table);
    if (glyphIndex < numLong) {
        const auto advance = view.U16(4u * glyphIndex);
        const auto bearing = view.I16(4u * glyphIndex + 2);
        if (!advance || !bearing) return std::nullopt;
        return LongMetric{*advance, *bearing};
    }
    const auto advance = view.U16(4u * (numLong - 1u));
    const auto bearing = view.I16(4u * numLong + 2u * (glyphIndex - numLong));
    if (!advance || !bearing) return std::nullopt;
    return LongMetric{*advance, *bearing};
}

std::optional<std::vector<uint8_t>> ExpandToFullPairs(std::span<const uint8_t> table, uint16_t numLong,
                                                      uint32_t numGlyphs) {
    if (numGlyphs == 0) return std::vector<uint8_t>{};
    std::vector<uint8_t> out;
    out.reserve(4u * numGlyphs);
    for (uint32_t g = 0; g < numGlyphs; ++g) {
        const auto metric = LookUpLongMetric(table, numLong, g);
        if (!metric) return std::nullopt;
        AppendU16(out, metric->advance);
        AppendI16(out, metric->sideBearing);
    }
    return out;
}

}  // namespace pelorin::truetype
