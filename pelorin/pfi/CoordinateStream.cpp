#include "pelorin/pfi/CoordinateStream.h"

namespace pelorin {

namespace {

// The signed value of the `width` bits of `value` starting at bit `low`.
std::int16_t SignedField(std::uint32_t value, int low, int width) {
    const std::uint32_t field = (value >> low) & ((1u << width) - 1);
    const std::uint32_t sign = 1u << (width - 1);
    return static_cast<std::int16_t>(static_cast<std::int32_t>(field ^ sign) - static_cast<std::int32_t>(sign));
}

std::int16_t SignedByte(std::uint8_t b) { return static_cast<std::int8_t>(b); }

// Long single-axis forms: a value whose magnitude the small field cannot
// hold is stored with the offset taken off.
std::int16_t Extend(std::int16_t value, std::int16_t positiveOffset) {
    return static_cast<std::int16_t>(value >= 0 ? value + positiveOffset : value - (positiveOffset - 1));
}

OutlineMove AxisMove(std::int16_t value, bool vertical) {
    return vertical ? OutlineMove{0, value} : OutlineMove{value, 0};
}

// One move from a short and a long component; bit 4 of the opcode swaps them.
OutlineMove SwappableMove(std::uint8_t opcode, std::int16_t first, std::int16_t second) {
    return (opcode & 0x10) ? OutlineMove{second, first} : OutlineMove{first, second};
}

class OpcodeBuilder {
public:
    OpcodeBuilder(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Has(std::size_t size) const { return bytes_.size() >= size; }
    std::uint8_t At(std::size_t i) const { return bytes_[i]; }

    StreamOpcode Truncated() const { return StreamOpcode{}; }
    StreamOpcode Done(std::size_t size) {
        op_.type = StreamOpcode::Type::Moves;
        op_.size = size;
        return op_;
    }
    void Add(OutlineMove move) { op_.moves[op_.count++] = move; }

private:
    std::span<const std::uint8_t> bytes_;
    StreamOpcode op_{};
};

StreamOpcode ReadSevenBitPair(OpcodeBuilder& b) {
    if (!b.Has(2)) return b.Truncated();
    const std::uint32_t w = b.At(0) * 256u + b.At(1);
    b.Add({SignedField(w, 7, 7), SignedField(b.At(1), 0, 7)});
    return b.Done(2);
}

StreamOpcode ReadNibblePairs(OpcodeBuilder& b) {
    const std::size_t n = (b.At(0) & 7) + 1;
    if (!b.Has(1 + n)) return b.Truncated();
    for (std::size_t i = 1; i <= n; ++i) b.Add({SignedField(b.At(i), 4, 4), SignedField(b.At(i), 0, 4)});
    return b.Done(1 + n);
}

StreamOpcode ReadBytePairs(OpcodeBuilder& b) {
    const std::size_t n = (b.At(0) & 7) + 1;
    if (!b.Has(1 + 2 * n)) return b.Truncated();
    for (std::size_t i = 0; i < n; ++i) b.Add({SignedByte(b.At(1 + 2 * i)), SignedByte(b.At(2 + 2 * i))});
    return b.Done(1 + 2 * n);
}

// Five-bit pairs whose two sign bits sit in the opcode, shared by all moves.
StreamOpcode ReadFiveBitPairs(OpcodeBuilder& b) {
    const std::uint8_t d = b.At(0);
    const std::size_t n = (d & 3) + 1;
    if (!b.Has(1 + n)) return b.Truncated();
    const std::uint32_t xSign = (d >> 3) & 1;
    const std::uint32_t ySign = (d >> 2) & 1;
    for (std::size_t i = 1; i <= n; ++i) {
        const std::uint32_t x = (xSign << 4) | (b.At(i) >> 4);
        const std::uint32_t y = (ySign << 4) | (b.At(i) & 0x0F);
        b.Add({SignedField(x, 0, 5), SignedField(y, 0, 5)});
    }
    return b.Done(1 + n);
}

StreamOpcode ReadTenBitPair(OpcodeBuilder& b) {
    if (!b.Has(3)) return b.Truncated();
    const std::uint32_t v = (b.At(0) & 0x0Fu) << 16 | b.At(1) << 8 | b.At(2);
    b.Add({SignedField(v, 10, 10), SignedField(v, 0, 10)});
    return b.Done(3);
}

StreamOpcode ReadThirteenBitPair(OpcodeBuilder& b) {
    if (!b.Has(4)) return b.Truncated();
    const std::uint32_t v = std::uint32_t{b.At(0)} << 24 | b.At(1) << 16 | b.At(2) << 8 | b.At(3);
    b.Add({SignedField(v, 13, 13), SignedField(v, 0, 13)});
    return b.Done(4);
}

StreamOpcode ReadTwoAxisMoves(OpcodeBuilder& b) {
    if (!b.Has(3)) return b.Truncated();
    for (int i = 0; i < 2; ++i) b.Add(AxisMove(SignedByte(b.At(1 + i)), (b.At(0) >> i) & 1));
    return b.Done(3);
}

StreamOpcode ReadThreeAxisMoves(OpcodeBuilder& b) {
    if (!b.Has(4)) return b.Truncated();
    for (int i = 0; i < 3; ++i) b.Add(AxisMove(SignedByte(b.At(1 + i)), (b.At(0) >> i) & 1));
    return b.Done(4);
}

StreamOpcode ReadThreeLongAxisMoves(OpcodeBuilder& b) {
    if (!b.Has(5)) return b.Truncated();
    const std::uint32_t v = std::uint32_t{b.At(1)} << 24 | b.At(2) << 16 | b.At(3) << 8 | b.At(4);
    b.Add(AxisMove(SignedField(v, 20, 10), (b.At(1) >> 6) & 1));
    b.Add(AxisMove(SignedField(v, 10, 10), (b.At(1) >> 7) & 1));
    b.Add(AxisMove(SignedField(v, 0, 10), b.At(0) & 1));
    return b.Done(5);
}

StreamOpcode ReadFiveSevenBitMove(OpcodeBuilder& b) {
    if (!b.Has(2)) return b.Truncated();
    const std::uint32_t w = b.At(0) * 256u + b.At(1);
    b.Add(SwappableMove(b.At(0), SignedField(w, 7, 5), Extend(SignedField(w, 0, 7), 64)));
    return b.Done(2);
}

StreamOpcode ReadFourEightBitMove(OpcodeBuilder& b) {
    if (!b.Has(2)) return b.Truncated();
    const std::uint32_t w = b.At(0) * 256u + b.At(1);
    b.Add(SwappableMove(b.At(0), SignedField(w, 8, 4), Extend(SignedByte(b.At(1)), 128)));
    return b.Done(2);
}

StreamOpcode ReadThreeNineBitMove(OpcodeBuilder& b) {
    if (!b.Has(2)) return b.Truncated();
    const std::uint32_t w = b.At(0) * 256u + b.At(1);
    b.Add(SwappableMove(b.At(0), SignedField(w, 9, 3), Extend(SignedField(w, 0, 9), 256)));
    return b.Done(2);
}

}  // namespace

StreamOpcode ReadStreamOpcode(std::span<const std::uint8_t> bytes) {
    OpcodeBuilder b(bytes);
    const std::uint8_t d = bytes[0];
    if (d <= 0x3F) return ReadSevenBitPair(b);
    if (d <= 0x47) return ReadNibblePairs(b);
    if (d <= 0x4F) return ReadBytePairs(b);
    if (d <= 0x5F) return ReadFiveBitPairs(b);
    if (d <= 0x6F) return ReadTenBitPair(b);
    if (d <= 0x73) return ReadThirteenBitPair(b);
    if (d >= 0x78 && d <= 0x7B) return ReadTwoAxisMoves(b);
    if (d >= 0x80 && d <= 0x9F) return ReadFiveSevenBitMove(b);
    if (d >= 0xA0 && d <= 0xBF) return ReadFourEightBitMove(b);
    if (d >= 0xC0 && d <= 0xDF) return ReadThreeNineBitMove(b);
    if (d >= 0xE0 && d <= 0xE7) return ReadThreeAxisMoves(b);
    if (d == 0xE8 || d == 0xE9) return ReadThreeLongAxisMoves(b);
    if (d == kStreamEnd) return StreamOpcode{StreamOpcode::Type::End, 1, 0, {}};
    if (d == kStreamBrokenEnd) return StreamOpcode{StreamOpcode::Type::BrokenEnd, 1, 0, {}};
    return b.Done(1);  // 0x74-0x77, 0x7C-0x7F, 0xEA-0xED, 0xF0-0xFF: skipped
}

}  // namespace pelorin
