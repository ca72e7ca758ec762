#include "tesvik/chars/Gb18030.h"

#include "tesvik/chars/generated/Gb18030TwoByteTable.h"

#include <memory>
#include <vector>

namespace tesvik::chars {
namespace {

using gb18030::kTrailsPerLead;
using gb18030::kTwoByteToBmp;

constexpr std::uint32_t kNoCode = 0;

bool isSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// A four-byte code b1 b2 b3 b4 is the number
// ((b1 - 0x81) * 10 + (b2 - 0x30)) * 1260 + (b3 - 0x81) * 10 + (b4 - 0x30).
constexpr std::uint32_t kSupplementaryBase = (0x90 - 0x81) * 10 * 1260;  // 90 30 81 30

Gb18030Code fourByteCode(std::uint32_t linear) {
    Gb18030Code code;
    code.size = 4;
    code.bytes[3] = static_cast<std::uint8_t>(0x30 + linear % 10);
    linear /= 10;
    code.bytes[2] = static_cast<std::uint8_t>(0x81 + linear % 126);
    linear /= 126;
    code.bytes[1] = static_cast<std::uint8_t>(0x30 + linear % 10);
    code.bytes[0] = static_cast<std::uint8_t>(0x81 + linear / 10);
    return code;
}

std::optional<std::uint32_t> fourByteLinear(std::span<const std::uint8_t> b) {
    const bool valid = b[0] >= 0x81 && b[0] <= 0xFE && b[1] >= 0x30 && b[1] <= 0x39 && b[2] >= 0x81 && b[2] <= 0xFE &&
                       b[3] >= 0x30 && b[3] <= 0x39;
    if (!valid) return std::nullopt;
    return ((b[0] - 0x81u) * 10 + (b[1] - 0x30u)) * 1260 + (b[2] - 0x81u) * 10 + (b[3] - 0x30u);
}

std::optional<std::size_t> twoByteIndex(std::uint8_t lead, std::uint8_t trail) {
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) {
        return std::nullopt;
    }
    const std::size_t position = trail < 0x7F ? trail - 0x40u : trail - 0x41u;
    return (lead - 0x81u) * kTrailsPerLead + position;
}

// The BMP beyond ASCII is covered by the two-byte table; every code point it
// leaves out (surrogates excepted) takes the next four-byte code in order.
struct BmpIndex {
    std::array<std::uint16_t, 0x10000> twoByteCodeOf{};     // 0: none
    std::array<std::uint16_t, 0x10000> fourByteLinearOf{};  // for code points without a two-byte code
    std::vector<std::uint16_t> fourByteCodePoints;          // by linear number

    BmpIndex() {
        for (std::size_t i = 0; i < kTwoByteToBmp.size(); ++i) {
            const std::size_t lead = 0x81 + i / kTrailsPerLead;
            const std::size_t position = i % kTrailsPerLead;
            const std::size_t trail = position < 0x3F ? 0x40 + position : 0x41 + position;
            twoByteCodeOf[kTwoByteToBmp[i]] = static_cast<std::uint16_t>(lead << 8 | trail);
        }
        for (std::uint32_t c = 0x80; c < 0x10000; ++c) {
            if (isSurrogate(c) || twoByteCodeOf[c] != kNoCode) continue;
            fourByteLinearOf[c] = static_cast<std::uint16_t>(fourByteCodePoints.size());
            fourByteCodePoints.push_back(static_cast<std::uint16_t>(c));
        }
    }
};

const BmpIndex& bmpIndex() {
    static const auto index = std::make_unique<const BmpIndex>();
    return *index;
}

}  // namespace

std::optional<Gb18030Code> encodeGb18030(char32_t scalar) {
    if (isSurrogate(scalar) || scalar > 0x10FFFF) return std::nullopt;
    if (scalar < 0x80) return Gb18030Code{{static_cast<std::uint8_t>(scalar)}, 1};
    if (scalar >= 0x10000) return fourByteCode(kSupplementaryBase + (scalar - 0x10000));
    const BmpIndex& index = bmpIndex();
    if (const std::uint16_t two = index.twoByteCodeOf[scalar]; two != kNoCode) {
        return Gb18030Code{{static_cast<std::uint8_t>(two >> 8), static_cast<std::uint8_t>(two & 0xFF)}, 2};
    }
    return fourByteCode(index.fourByteLinearOf[scalar]);
}

std::optional<char32_t> decodeGb18030(std::span<const std::uint8_t> bytes) {
    switch (bytes.size()) {
        case 1:
            if (bytes[0] < 0x80) return bytes[0];
            return std::nullopt;
        case 2:
            if (const auto i = twoByteIndex(bytes[0], bytes[1])) return kTwoByteToBmp[*i];
            return std::nullopt;
        case 4: {
            const auto linear = fourByteLinear(bytes);
            if (!linear) return std::nullopt;
            const auto& bmp = bmpIndex().fourByteCodePoints;
            if (*linear < bmp.size()) return bmp[*linear];
            if (*linear >= kSupplementaryBase && *linear - kSupplementaryBase < 0x100000) {
                return 0x10000 + (*linear - kSupplementaryBase);
            }
            return std::nullopt;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace tesvik::chars
