#include "pelorin/truetype/TableChecksum.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelorin::truetype {
namespace {

TEST(TableChecksum, PartialLastWordIsPaddedWithZeros) {
    const std::vector<uint8_t> six = {0x01, 0x02, 0x03, 0x04, 0xAA, 0xBB};
    EXPECT_EQ(TableChecksum(six), 0x01020304u + 0xAABB0000u);
    const std::vector<uint8_t> wraps = {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x02};
    EXPECT_EQ(TableChecksum(wraps), 1u);
    EXPECT_EQ(TableChecksum({}), 0u);
}

TEST(TableChecksum, SearchFieldsFollowTheCount) {
    struct Case {
        uint16_t count, unitSize, searchRange, entrySelector, rangeShift;
    };
    const Case cases[] = {{15, 16, 128, 3, 112}, {16, 16, 256, 4, 0}, {1, 16, 16, 0, 0},
                          {2, 2, 4, 1, 0},       {3, 2, 4, 1, 2},     {0, 16, 0, 0, 0}};
    for (const Case& c : cases) {
        const SearchFields f = SearchFieldsFor(c.count, c.unitSize);
        EXPECT_EQ(f.searchRange, c.searchRange) << c.count;
        EXPECT_EQ(f.entrySelector, c.entrySelector) << c.count;
        EXPECT_EQ(f.rangeShift, c.rangeShift) << c.count;
    }
}

}  // namespace
}  // namespace pelorin::truetype
