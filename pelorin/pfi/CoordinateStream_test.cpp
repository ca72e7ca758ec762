#include "pelorin/pfi/CoordinateStream.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelorin {
namespace {

struct OpcodeCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::size_t size;
    std::vector<OutlineMove> moves;
};

class OpcodeTest : public ::testing::TestWithParam<OpcodeCase> {};

TEST_P(OpcodeTest, DecodesMoves) {
    const OpcodeCase& c = GetParam();
    const StreamOpcode op = ReadStreamOpcode(c.bytes);
    ASSERT_EQ(op.type, StreamOpcode::Type::Moves);
    EXPECT_EQ(op.size, c.size);
    EXPECT_EQ(std::vector<OutlineMove>(op.moves.begin(), op.moves.begin() + op.count), c.moves);
}

// Expected values worked out by hand from the bit layouts.
INSTANTIATE_TEST_SUITE_P(
    Families, OpcodeTest,
    ::testing::Values(OpcodeCase{"seven_bit_minus_one", {0x3F, 0x80}, 2, {{-1, 0}}},
                      OpcodeCase{"seven_bit_extremes", {0x01, 0x3F}, 2, {{2, 63}}},
                      OpcodeCase{"seven_bit_minus_64", {0x00, 0x40}, 2, {{0, -64}}},
                      OpcodeCase{"nibbles", {0x41, 0x7F, 0x88}, 3, {{7, -1}, {-8, -8}}},
                      OpcodeCase{"bytes", {0x48, 0x80, 0x7F}, 3, {{-128, 127}}},
                      OpcodeCase{"five_bit_signs_set", {0x5D, 0x0F, 0xF0}, 3, {{-16, -1}, {-1, -16}}},
                      OpcodeCase{"five_bit_signs_clear", {0x51, 0xF0, 0x0F}, 3, {{15, 0}, {0, 15}}},
                      OpcodeCase{"ten_bit", {0x61, 0xFF, 0xFF}, 3, {{127, -1}}},
                      OpcodeCase{"ten_bit_minimum", {0x68, 0x02, 0x00}, 3, {{-512, -512}}},
                      OpcodeCase{"thirteen_bit_minimum_x", {0x72, 0x00, 0x20, 0x00}, 4, {{-4095, 0}}},
                      OpcodeCase{"thirteen_bit_maximum", {0x71, 0xFF, 0xEF, 0xFF}, 4, {{4095, 4095}}},
                      OpcodeCase{"two_axis", {0x79, 0xFE, 0x05}, 3, {{0, -2}, {5, 0}}},
                      OpcodeCase{"five_seven_0x85_0xC3", {0x85, 0xC3}, 2, {{11, -124}}},
                      OpcodeCase{"five_seven_swapped", {0x95, 0xC3}, 2, {{-124, 11}}},
                      OpcodeCase{"five_seven_zero_is_64", {0x80, 0x00}, 2, {{0, 64}}},
                      OpcodeCase{"four_eight", {0xA7, 0x80}, 2, {{7, -255}}},
                      OpcodeCase{"four_eight_swapped", {0xB8, 0x7F}, 2, {{255, -8}}},
                      OpcodeCase{"three_nine", {0xC3, 0xFF}, 2, {{1, -256}}},
                      OpcodeCase{"three_nine_swapped", {0xDE, 0x00}, 2, {{256, -1}}},
                      OpcodeCase{"three_axis", {0xE5, 0x01, 0x02, 0xFF}, 4, {{0, 1}, {2, 0}, {0, -1}}},
                      OpcodeCase{"three_long_axis", {0xE8, 0x40, 0x3F, 0xF8, 0x00}, 5, {{0, 3}, {-2, 0}, {0, 0}}},
                      OpcodeCase{
                          "three_long_axis_all_vertical", {0xE9, 0xC0, 0x10, 0x04, 0x01}, 5, {{0, 1}, {0, 1}, {0, 1}}},
                      OpcodeCase{"skipped_0x74", {0x74}, 1, {}}, OpcodeCase{"skipped_0x7F", {0x7F}, 1, {}},
                      OpcodeCase{"skipped_0xEA", {0xEA}, 1, {}}, OpcodeCase{"skipped_0xFF", {0xFF}, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CoordinateStreamTest, EndMarkers) {
    EXPECT_EQ(ReadStreamOpcode(std::vector<std::uint8_t>{0xEF}).type, StreamOpcode::Type::End);
    EXPECT_EQ(ReadStreamOpcode(std::vector<std::uint8_t>{0xEE}).type, StreamOpcode::Type::BrokenEnd);
}

TEST(CoordinateStreamTest, OpcodesCutShortAreTruncated) {
    for (const std::vector<std::uint8_t>& bytes : std::vector<std::vector<std::uint8_t>>{{0x3F},
                                                                                         {0x47, 1, 2, 3},
                                                                                         {0x48, 0x01},
                                                                                         {0x53, 1, 2},
                                                                                         {0x60, 0},
                                                                                         {0x70, 0, 0},
                                                                                         {0x78, 0},
                                                                                         {0x80},
                                                                                         {0xA0},
                                                                                         {0xC0},
                                                                                         {0xE0, 1, 2},
                                                                                         {0xE8, 0, 0, 0}}) {
        EXPECT_EQ(ReadStreamOpcode(bytes).type, StreamOpcode::Type::Truncated) << int(bytes[0]);
    }
}

}  // namespace
}  // namespace pelorin
