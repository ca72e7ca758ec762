#include "pelorin/truetype/SimpleGlyphCodec.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelorin::truetype {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(SimpleGlyphCodec, ShortAndLongDeltasAndOneFlagPerPoint) {
    // x deltas 255 (short, positive), -256 (long), -255 (short, negative), 0 (short, positive)
    const std::vector<int32_t> xs = {255, -1, -256, -256};
    const std::vector<int32_t> ys = {0, 0, 0, 0};
    const std::vector<uint8_t> on = {1, 0, 1, 1};
    const std::vector<uint16_t> ends = {3};
    const GlyphPoints points{xs, ys, on, ends};
    Bytes out(SimpleGlyphSize(points));
    ASSERT_EQ(EncodeSimpleGlyph(points, BoundsOf(points), out), out.size());
    EXPECT_EQ(out.size() % 2, 0u);
    const Bytes tail(out.begin() + 14, out.end());
    EXPECT_EQ(tail, (Bytes{0x37, 0x24, 0x27, 0x37,        // flags
                           0xFF, 0xFF, 0x00, 0xFF, 0x00,  // x: 255, -256 as 0xFF00, 255, 0
                           0x00, 0x00, 0x00, 0x00,        // y
                           0x00}));                       // pad to even length
}

}  // namespace
}  // namespace pelorin::truetype
