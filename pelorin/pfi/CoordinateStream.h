#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace pelorin {

// A relative move of the current point, in library units.
struct OutlineMove {
    std::int16_t dx = 0;
    std::int16_t dy = 0;
    friend bool operator==(const OutlineMove&, const OutlineMove&) = default;
};

// One opcode of a glyph record's coordinate stream.
struct StreamOpcode {
    enum class Type {
        Moves,      // `count` moves (0 for the bytes that are skipped)
        End,        // 0xEF, the terminator
        BrokenEnd,  // 0xEE: the stream ends and the record is malformed
        Truncated,  // the opcode needs more bytes than are left
    };
    Type type = Type::Truncated;
    std::size_t size = 0;  // bytes the opcode occupies, the opcode byte included
    std::uint8_t count = 0;
    std::array<OutlineMove, 8> moves{};
};

inline constexpr std::uint8_t kStreamEnd = 0xEF;
inline constexpr std::uint8_t kStreamBrokenEnd = 0xEE;

// Reads the opcode at the start of `bytes` (which must not be empty). Never
// reads past the end of `bytes`.
StreamOpcode ReadStreamOpcode(std::span<const std::uint8_t> bytes);

}  // namespace pelorin
