#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "pelorin/truetype/BigEndian.h"

namespace pelorin::truetype {

// `loca`: numGlyphs + 1 offsets into `glyf`; glyph g spans entries g to g + 1.
// Short entries hold the offset divided by two.
struct LocaTable {
    static constexpr size_t kEntrySize(bool longOffsets) { return longOffsets ? 4 : 2; }

    // The glyf offset of entry index, or nothing when the table is too short for it.
    static std::optional<uint32_t> Offset(std::span<const uint8_t> loca, bool longOffsets, size_t index) {
        const ByteView view(loca);
        if (longOffsets) return view.U32(4 * index);
        const auto half = view.U16(2 * index);
        if (!half) return std::nullopt;
        return 2u * *half;
    }
};

}  // namespace pelorin::truetype
