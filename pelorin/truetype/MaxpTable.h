#pragma once

#include <cstdint>

#include "pelorin/truetype/TableField.h"

namespace pelorin::truetype {

// `maxp`, the maximum profile: the fields this program reads or writes
// (maxPoints and maxContours exist from version 1.0 on).
struct MaxpTable {
    static constexpr Field<uint16_t> numGlyphs{4};
    static constexpr Field<uint16_t> maxPoints{6};
    static constexpr Field<uint16_t> maxContours{8};
};

}  // namespace pelorin::truetype
