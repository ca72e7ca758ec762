#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace pelorin::cli {

// The whole text as a number of the given base (base 16 may start with
// "0x"); none for anything else, an empty text or a value Number cannot hold.
template <class Number>
std::optional<Number> parseNumber(std::string_view text, int base = 10) {
    Number value = 0;
    const char* begin = text.data();
    const char* end = text.data() + text.size();
    if (base == 16 && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) begin += 2;
    const auto [ptr, ec] = std::from_chars(begin, end, value, base);
    if (ec != std::errc() || ptr != end || begin == end) return std::nullopt;
    return value;
}

}  // namespace pelorin::cli
