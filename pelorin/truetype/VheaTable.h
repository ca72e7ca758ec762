#pragma once

#include <cstddef>
#include <cstdint>

#include "pelorin/truetype/TableField.h"

namespace pelorin::truetype {

// `vhea`, the vertical header: the fields this program reads or writes.
struct VheaTable {
    static constexpr size_t kSize = 36;
    static constexpr Field<uint16_t> numOfLongVerMetrics{34};
};

}  // namespace pelorin::truetype
