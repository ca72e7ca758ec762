#pragma once

#include <cstddef>
#include <cstdint>

#include "pelorin/truetype/TableField.h"

namespace pelorin::truetype {

// `hhea`, the horizontal header: the fields this program reads or writes.
struct HheaTable {
    static constexpr size_t kSize = 36;
    static constexpr Field<int16_t> ascender{4};
    static constexpr Field<uint16_t> numberOfHMetrics{34};
};

}  // namespace pelorin::truetype
