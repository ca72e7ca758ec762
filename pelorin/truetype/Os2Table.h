#pragma once

#include <cstdint>

#include "pelorin/truetype/TableField.h"

namespace pelorin::truetype {

// `OS/2`: the fields this program reads or writes.
struct Os2Table {
    static constexpr Field<uint16_t> usWinAscent{74};
    static constexpr Field<uint32_t> ulCodePageRange1{78};
};

}  // namespace pelorin::truetype
