#include "tesvik/chars/CodeValue.h"

namespace tesvik::chars {
namespace {

std::optional<std::uint32_t> hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return std::nullopt;
}

}  // namespace

std::optional<std::uint32_t> parseHexValue(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && hexDigit(text[2])) {
        text.remove_prefix(2);
    }
    std::uint64_t value = 0;
    std::size_t digits = 0;
    for (char c : text) {
        const auto d = hexDigit(c);
        if (!d) break;
        value = value * 16 + *d;
        if (value > 0xFFFFFFFFu) return std::nullopt;
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

}  // namespace tesvik::chars
