#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "pelorin/truetype/TableField.h"

namespace pelorin::truetype {

// `head`, the font header: the fields this program reads or writes.
struct HeadTable {
    static constexpr size_t kSize = 54;
    static constexpr Field<uint32_t> checkSumAdjustment{8};
    static constexpr Field<uint16_t> unitsPerEm{18};
    static constexpr Field<int16_t> indexToLocFormat{50};

    static constexpr int16_t kLongOffsets = 1;  // indexToLocFormat of a long `loca`

    // True when `loca` holds 32-bit offsets (any format but the short one, 0).
    static bool HasLongLoca(std::span<const uint8_t> head) {
        return ReadField(head, indexToLocFormat).value_or(0) != 0;
    }
};

}  // namespace pelorin::truetype
