#include "pelorin/pfi/MoveEncoder.h"

#include <array>
#include <cstdlib>

namespace pelorin {

namespace {

bool FitsSigned(std::int32_t v, int bits) {
    const std::int32_t limit = 1 << (bits - 1);
    return v >= -limit && v < limit;
}

bool PairFits(const OutlineMove& m, int bits) { return FitsSigned(m.dx, bits) && FitsSigned(m.dy, bits); }

bool IsAxisMove(const OutlineMove& m) { return m.dx == 0 || m.dy == 0; }
bool IsVertical(const OutlineMove& m) { return m.dx == 0 && m.dy != 0; }
std::int32_t AxisValue(const OutlineMove& m) { return IsVertical(m) ? m.dy : m.dx; }
bool AxisFits(const OutlineMove& m, int bits) { return IsAxisMove(m) && FitsSigned(AxisValue(m), bits); }

std::uint8_t Low(std::int32_t v, int bits) { return static_cast<std::uint8_t>(v & ((1 << bits) - 1)); }

// One move with a short component and a long one whose magnitude lies in
// [offset, 2 offset): the long value is stored with the offset taken off.
struct SplitForm {
    std::uint8_t base;    // 0x80, 0xA0 or 0xC0
    int shortBits;        // 5, 4, 3
    std::int32_t offset;  // 64, 128, 256
};

constexpr std::array<SplitForm, 3> kSplitForms = {{{0x80, 5, 64}, {0xA0, 4, 128}, {0xC0, 3, 256}}};

bool LongFits(std::int32_t v, std::int32_t offset) {
    return (v >= offset && v < 2 * offset) || (v <= -offset && v > -2 * offset);
}

// Which component is long, if the move fits the form: 0 for dy (no swap), 1 for dx.
int SplitOrientation(const SplitForm& f, const OutlineMove& m) {
    if (FitsSigned(m.dx, f.shortBits) && LongFits(m.dy, f.offset)) return 0;
    if (FitsSigned(m.dy, f.shortBits) && LongFits(m.dx, f.offset)) return 1;
    return -1;
}

// A way to encode moves starting at one position.
struct Choice {
    enum class Form {
        Nibbles,
        FiveBit,
        Bytes,
        ThreeAxis,
        ThreeLongAxis,
        TwoAxis,
        SevenBit,
        Split,
        TenBit,
        ThirteenBit
    };
    Form form;
    std::size_t moves;
    std::size_t bytes;
    const SplitForm* split = nullptr;

    bool BetterThan(const Choice& other) const {
        const std::size_t lhs = bytes * other.moves;
        const std::size_t rhs = other.bytes * moves;
        return lhs < rhs || (lhs == rhs && moves > other.moves);
    }
};

class Encoder {
public:
    Encoder(std::span<const OutlineMove> moves, std::vector<std::uint8_t>& out) : moves_(moves), out_(out) {}

    void Run() {
        std::size_t i = 0;
        while (i < moves_.size()) {
            const Choice c = Best(i);
            Write(c, i);
            i += c.moves;
        }
    }

private:
    template <class Fits>
    std::size_t RunLength(std::size_t i, std::size_t limit, Fits fits) const {
        std::size_t n = 0;
        while (n < limit && i + n < moves_.size() && fits(moves_[i + n])) ++n;
        return n;
    }

    Choice Best(std::size_t i) const {
        const OutlineMove& m = moves_[i];
        Choice best{Choice::Form::ThirteenBit, 1, 4};
        const auto consider = [&best](Choice c) {
            if (c.moves > 0 && c.BetterThan(best)) best = c;
        };
        const std::size_t nibbles = RunLength(i, 8, [](const OutlineMove& x) { return PairFits(x, 4); });
        consider({Choice::Form::Nibbles, nibbles, 1 + nibbles});
        const bool xNegative = m.dx < 0, yNegative = m.dy < 0;
        const std::size_t fives = RunLength(i, 4, [&](const OutlineMove& x) {
            return PairFits(x, 5) && (x.dx < 0) == xNegative && (x.dy < 0) == yNegative;
        });
        consider({Choice::Form::FiveBit, fives, 1 + fives});
        if (RunLength(i, 3, [](const OutlineMove& x) { return AxisFits(x, 8); }) == 3) {
            consider({Choice::Form::ThreeAxis, 3, 4});
        }
        if (RunLength(i, 3, [](const OutlineMove& x) { return AxisFits(x, 10); }) == 3) {
            consider({Choice::Form::ThreeLongAxis, 3, 5});
        }
        if (RunLength(i, 2, [](const OutlineMove& x) { return AxisFits(x, 8); }) == 2) {
            consider({Choice::Form::TwoAxis, 2, 3});
        }
        if (PairFits(m, 7)) consider({Choice::Form::SevenBit, 1, 2});
        for (const SplitForm& f : kSplitForms) {
            if (SplitOrientation(f, m) >= 0) consider({Choice::Form::Split, 1, 2, &f});
        }
        const std::size_t bytes = RunLength(i, 8, [](const OutlineMove& x) { return PairFits(x, 8); });
        consider({Choice::Form::Bytes, bytes, 1 + 2 * bytes});
        if (PairFits(m, 10)) consider({Choice::Form::TenBit, 1, 3});
        return best;
    }

    void Put(std::uint32_t b) { out_.push_back(static_cast<std::uint8_t>(b)); }

    void Write(const Choice& c, std::size_t i) {
        const auto moves = moves_.subspan(i, c.moves);
        const OutlineMove& m = moves[0];
        switch (c.form) {
            case Choice::Form::Nibbles:
                Put(0x40 + c.moves - 1);
                for (const OutlineMove& x : moves) Put(Low(x.dx, 4) << 4 | Low(x.dy, 4));
                break;
            case Choice::Form::FiveBit:
                Put(0x50 | (m.dx < 0) << 3 | (m.dy < 0) << 2 | (c.moves - 1));
                for (const OutlineMove& x : moves) Put(Low(x.dx, 4) << 4 | Low(x.dy, 4));
                break;
            case Choice::Form::Bytes:
                Put(0x48 + c.moves - 1);
                for (const OutlineMove& x : moves) {
                    Put(Low(x.dx, 8));
                    Put(Low(x.dy, 8));
                }
                break;
            case Choice::Form::ThreeAxis:
                Put(0xE0 | IsVertical(moves[0]) | IsVertical(moves[1]) << 1 | IsVertical(moves[2]) << 2);
                for (const OutlineMove& x : moves) Put(Low(AxisValue(x), 8));
                break;
            case Choice::Form::ThreeLongAxis: {
                const std::uint32_t v = std::uint32_t{IsVertical(moves[1])} << 31 |
                                        std::uint32_t{IsVertical(moves[0])} << 30 |
                                        std::uint32_t{Low10(AxisValue(moves[0]))} << 20 |
                                        std::uint32_t{Low10(AxisValue(moves[1]))} << 10 | Low10(AxisValue(moves[2]));
                Put(0xE8 | IsVertical(moves[2]));
                for (int shift = 24; shift >= 0; shift -= 8) Put(v >> shift);
                break;
            }
            case Choice::Form::TwoAxis:
                Put(0x78 | IsVertical(moves[0]) | IsVertical(moves[1]) << 1);
                for (const OutlineMove& x : moves) Put(Low(AxisValue(x), 8));
                break;
            case Choice::Form::SevenBit: {
                const std::uint32_t w = std::uint32_t{Low(m.dx, 7)} << 7 | Low(m.dy, 7);
                Put(w >> 8);
                Put(w);
                break;
            }
            case Choice::Form::Split:
                WriteSplit(*c.split, m);
                break;
            case Choice::Form::TenBit: {
                const std::uint32_t v = std::uint32_t{Low10(m.dx)} << 10 | Low10(m.dy);
                Put(0x60 | v >> 16);
                Put(v >> 8);
                Put(v);
                break;
            }
            case Choice::Form::ThirteenBit: {
                const std::uint32_t v =
                    (static_cast<std::uint32_t>(m.dx) & 0x1FFF) << 13 | (static_cast<std::uint32_t>(m.dy) & 0x1FFF);
                Put(0x70 | v >> 24);
                Put(v >> 16);
                Put(v >> 8);
                Put(v);
                break;
            }
        }
    }

    void WriteSplit(const SplitForm& f, const OutlineMove& m) {
        const bool swapped = SplitOrientation(f, m) == 1;
        const std::int32_t shortValue = swapped ? m.dy : m.dx;
        const std::int32_t longValue = swapped ? m.dx : m.dy;
        const std::int32_t stored = longValue >= 0 ? longValue - f.offset : longValue + f.offset - 1;
        const int longBits = f.shortBits == 5 ? 7 : f.shortBits == 4 ? 8 : 9;
        const std::uint32_t w = std::uint32_t{f.base} << 8 | std::uint32_t{swapped} << 12 |
                                (static_cast<std::uint32_t>(shortValue) & ((1u << f.shortBits) - 1)) << longBits |
                                (static_cast<std::uint32_t>(stored) & ((1u << longBits) - 1));
        Put(w >> 8);
        Put(w);
    }

    static std::uint32_t Low10(std::int32_t v) { return static_cast<std::uint32_t>(v) & 0x3FF; }

    std::span<const OutlineMove> moves_;
    std::vector<std::uint8_t>& out_;
};

}  // namespace

void EncodeMoves(std::span<const OutlineMove> moves, std::vector<std::uint8_t>& out) { Encoder(moves, out).Run(); }

}  // namespace pelorin
