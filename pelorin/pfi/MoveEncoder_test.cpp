#include "pelorin/pfi/MoveEncoder.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace pelorin {
namespace {

// Reads `bytes` back with the stream reader; records each opcode's family
// (its first byte with the count and sign bits masked off).
std::vector<OutlineMove> ReadBack(const std::vector<std::uint8_t>& bytes, std::set<std::uint8_t>* families) {
    std::vector<OutlineMove> moves;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const StreamOpcode op = ReadStreamOpcode(std::span(bytes).subspan(pos));
        EXPECT_EQ(op.type, StreamOpcode::Type::Moves);
        if (op.type != StreamOpcode::Type::Moves) break;
        const std::uint8_t d = bytes[pos];
        if (families) {
            families->insert(d < 0x40   ? 0x00
                             : d < 0x48 ? 0x40
                             : d < 0x50 ? 0x48
                             : d < 0x60 ? 0x50
                             : d < 0x70 ? 0x60
                             : d < 0x74 ? 0x70
                             : d < 0x80 ? 0x78
                             : d < 0xA0 ? 0x80
                             : d < 0xC0 ? 0xA0
                             : d < 0xE0 ? 0xC0
                             : d < 0xE8 ? 0xE0
                                        : 0xE8);
        }
        moves.insert(moves.end(), op.moves.begin(), op.moves.begin() + op.count);
        pos += op.size;
    }
    return moves;
}

TEST(MoveEncoderTest, OutlineLikeMovesUseEveryFamily) {
    const std::vector<OutlineMove> moves = {{1, 2},        {-3, 4},      {0, 0},   {7, -8},  // small pairs: nibble run
                                            {12, 15},      {-14, 9},                // 5-bit, mixed signs: own runs
                                            {100, 0},      {0, -90},                // two axis moves
                                            {10, 0},       {0, 20},      {-30, 0},  // three axis moves
                                            {300, 0},      {0, -400},    {500, 0},  // three long axis moves
                                            {40, -50},                              // 7-bit pair
                                            {11, -124},                             // 5-bit and 64..127
                                            {-200, 6},                              // 4-bit and 128..255
                                            {3, 400},                               // 3-bit and 256..511
                                            {100, 100},    {-120, 90},              // byte pairs
                                            {500, -500},                            // 10-bit pair
                                            {4095, -4095}, {-4095, 4000}};          // 13-bit pairs
    std::vector<std::uint8_t> bytes;
    EncodeMoves(moves, bytes);
    std::set<std::uint8_t> families;
    EXPECT_EQ(ReadBack(bytes, &families), moves);
    EXPECT_EQ(families,
              (std::set<std::uint8_t>{0x00, 0x40, 0x48, 0x50, 0x60, 0x70, 0x78, 0x80, 0xA0, 0xC0, 0xE0, 0xE8}));
}

TEST(MoveEncoderTest, RandomMovesReadBackUnchanged) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 300; ++round) {
        const int limit = std::array<int, 6>{8, 16, 64, 256, 1024, 4095}[round % 6];
        std::uniform_int_distribution<int> value(-limit, limit);
        std::uniform_int_distribution<int> shape(0, 3);
        std::vector<OutlineMove> moves(1 + round % 40);
        for (OutlineMove& m : moves) {
            const int s = shape(random);
            m.dx = static_cast<std::int16_t>(s == 1 ? 0 : value(random));
            m.dy = static_cast<std::int16_t>(s == 2 ? 0 : value(random));
        }
        std::vector<std::uint8_t> bytes;
        EncodeMoves(moves, bytes);
        ASSERT_EQ(ReadBack(bytes, nullptr), moves) << "round " << round;
    }
}

}  // namespace
}  // namespace pelorin
