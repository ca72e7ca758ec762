#include "tesvik/lookup/files/UserCode.h"

namespace tesvik::lookup {
namespace {

std::optional<unsigned> hexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (char c : utf8) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

}  // namespace

std::optional<std::uint16_t> parseCode(std::string_view text) {
    if (text.size() != 4) return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        const auto digit = hexDigit(c);
        if (!digit) return std::nullopt;
        value = value * 16 + *digit;
    }
    if (value < kFirstUserCode || value > kLastUserCode) return std::nullopt;
    return static_cast<std::uint16_t>(value);
}

lumenar::Result<std::optional<std::uint16_t>, Message> checkCodeTextEdit(std::string_view text) {
    using R = lumenar::Result<std::optional<std::uint16_t>, Message>;
    const std::size_t length = characterCount(text);
    if (length < 4) return std::optional<std::uint16_t>{};
    const auto code = length == 4 ? parseCode(text) : std::nullopt;
    if (!code) return R::failure(message(MessageId::CodeValueOutOfRange));
    return std::optional<std::uint16_t>{*code};
}

}  // namespace tesvik::lookup
