#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "pelorin/pfi/CoordinateStream.h"

namespace pelorin {

// Largest move magnitude the coordinate stream can carry (13-bit fields).
inline constexpr std::int32_t kLargestMove = 4095;

inline bool MoveFitsStream(std::int32_t dx, std::int32_t dy) {
    return dx >= -kLargestMove && dx <= kLargestMove && dy >= -kLargestMove && dy <= kLargestMove;
}

// Appends opcodes carrying `moves` (each within kLargestMove) to `out`,
// choosing at each step the opcode that stores the most moves per byte:
// runs of small pairs, shared-sign pairs, axis moves in twos and threes,
// one long and one short component, and the plain 7-, 10- and 13-bit pairs.
void EncodeMoves(std::span<const OutlineMove> moves, std::vector<std::uint8_t>& out);

}  // namespace pelorin
