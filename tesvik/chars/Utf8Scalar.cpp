#include "tesvik/chars/Utf8Scalar.h"

namespace tesvik::chars {

std::optional<char32_t> leadingUtf8Scalar(std::string_view utf8, std::size_t& length) {
    if (utf8.empty()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(utf8[0]);
    char32_t scalar = lead;
    length = 1;
    if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        scalar = lead & 0x07;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        scalar = lead & 0x0F;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        scalar = lead & 0x1F;
    } else if (lead >= 0x80) {
        return std::nullopt;
    }
    if (utf8.size() < length) return std::nullopt;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[k]);
        if ((next & 0xC0) != 0x80) return std::nullopt;
        scalar = (scalar << 6) | (next & 0x3F);
    }
    const char32_t shortest = length == 4 ? 0x10000 : length == 3 ? 0x800 : length == 2 ? 0x80 : 0;
    if (scalar < shortest || scalar > 0x10FFFF || (scalar >= 0xD800 && scalar <= 0xDFFF)) return std::nullopt;
    return scalar;
}

}  // namespace tesvik::chars
