#include "pelorin/fonts/EudcPrivateUseRows.h"

#include <span>

namespace pelorin::fonts {
namespace {

struct ByteRange {
    std::uint8_t first = 0;
    std::uint8_t last = 0;
    int size() const { return last - first + 1; }
    bool holds(std::uint8_t b) const { return b >= first && b <= last; }
};

// Rows lead.first..lead.last, each holding trail1 then trail2 (size 0 when absent).
struct EudcBlock {
    ByteRange lead;
    ByteRange trail1;
    ByteRange trail2;
    bool hasTrail2 = false;
    std::uint16_t firstCodePoint = 0;

    int rowSize() const { return trail1.size() + (hasTrail2 ? trail2.size() : 0); }
    int size() const { return lead.size() * rowSize(); }
};

constexpr ByteRange kNone{0, 0};

constexpr EudcBlock k936[] = {
    {{0xAA, 0xAF}, {0xA1, 0xFE}, kNone, false, 0xE000},
    {{0xF8, 0xFE}, {0xA1, 0xFE}, kNone, false, 0xE234},
    {{0xA1, 0xA7}, {0x40, 0x7E}, {0x80, 0xA0}, true, 0xE4C6},
};
constexpr EudcBlock k950[] = {
    {{0xFA, 0xFE}, {0x40, 0x7E}, {0xA1, 0xFE}, true, 0xE000},
    {{0x8E, 0xA0}, {0x40, 0x7E}, {0xA1, 0xFE}, true, 0xE311},
    {{0x81, 0x8D}, {0x40, 0x7E}, {0xA1, 0xFE}, true, 0xEEB8},
    // C6A1-C8FE: the rest of row C6, then rows C7 and C8 whole.
    {{0xC6, 0xC6}, {0xA1, 0xFE}, kNone, false, 0xF6B1},
    {{0xC7, 0xC8}, {0x40, 0x7E}, {0xA1, 0xFE}, true, 0xF70F},
};
constexpr EudcBlock k932[] = {
    {{0xF0, 0xF9}, {0x40, 0x7E}, {0x80, 0xFC}, true, 0xE000},
};
constexpr EudcBlock k949[] = {
    {{0xC9, 0xC9}, {0xA1, 0xFE}, kNone, false, 0xE000},
    {{0xFE, 0xFE}, {0xA1, 0xFE}, kNone, false, 0xE05E},
};
constexpr EudcBlock k1361[] = {
    {{0xD8, 0xD8}, {0x31, 0x7E}, {0x91, 0xFE}, true, 0xE000},
};

std::span<const EudcBlock> blocksOf(std::uint16_t codePage) {
    switch (codePage) {
        case 936:
            return k936;
        case 950:
            return k950;
        case 932:
            return k932;
        case 949:
            return k949;
        case 1361:
            return k1361;
        default:
            return {};
    }
}

std::optional<int> trailIndex(const EudcBlock& block, std::uint8_t trail) {
    if (block.trail1.holds(trail)) return trail - block.trail1.first;
    if (block.hasTrail2 && block.trail2.holds(trail)) return block.trail1.size() + trail - block.trail2.first;
    return std::nullopt;
}

std::uint8_t trailAt(const EudcBlock& block, int index) {
    if (index < block.trail1.size()) return static_cast<std::uint8_t>(block.trail1.first + index);
    return static_cast<std::uint8_t>(block.trail2.first + index - block.trail1.size());
}

}  // namespace

std::optional<std::uint16_t> privateUseOfEudcCode(std::uint16_t codePage, std::uint16_t code) {
    const auto lead = static_cast<std::uint8_t>(code >> 8);
    const auto trail = static_cast<std::uint8_t>(code & 0xFF);
    for (const EudcBlock& block : blocksOf(codePage)) {
        if (!block.lead.holds(lead)) continue;
        const auto column = trailIndex(block, trail);
        if (!column) continue;
        return static_cast<std::uint16_t>(block.firstCodePoint + (lead - block.lead.first) * block.rowSize() + *column);
    }
    return std::nullopt;
}

std::optional<std::uint16_t> eudcCodeOfPrivateUse(std::uint16_t codePage, std::uint16_t codePoint) {
    for (const EudcBlock& block : blocksOf(codePage)) {
        if (codePoint < block.firstCodePoint || codePoint >= block.firstCodePoint + block.size()) continue;
        const int offset = codePoint - block.firstCodePoint;
        const int lead = block.lead.first + offset / block.rowSize();
        return static_cast<std::uint16_t>(lead << 8 | trailAt(block, offset % block.rowSize()));
    }
    return std::nullopt;
}

}  // namespace pelorin::fonts
