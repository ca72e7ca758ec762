#include "tesvik/chars/CodeText.h"

#include "tesvik/chars/CodeValue.h"
#include "tesvik/chars/Gb18030.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <vector>

namespace tesvik::chars {
namespace {

constexpr char32_t kSubstitute = U'?';

std::string hexText(std::uint32_t n) {
    std::array<char, 9> digits{};
    std::snprintf(digits.data(), digits.size(), "%X", static_cast<unsigned>(n));
    return digits.data();
}

// Upper-case, and "0" in front of a text of 1 to 3 characters until it has 4.
std::string padded(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (!text.empty() && text.size() < 4) text.insert(0, 4 - text.size(), '0');
    return text;
}

// A GB18030 code written as one number: two bytes below 0x10000, else four.
std::vector<std::uint8_t> bytesOfNumber(std::uint32_t n) {
    if (n < 0x10000) return {static_cast<std::uint8_t>(n >> 8), static_cast<std::uint8_t>(n)};
    return {static_cast<std::uint8_t>(n >> 24), static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 8),
            static_cast<std::uint8_t>(n)};
}

}  // namespace

MessageId codeFormatName(CodeFormat format) {
    return format == CodeFormat::Gb18030 ? MessageId::CodeFormatGb18030 : MessageId::CodeFormatUnicode;
}

std::string unicodeCodeText(std::uint32_t value) { return padded(hexText(displayedScalarOf(value))); }

std::string gb18030CodeText(std::uint32_t value) {
    const auto code = encodeGb18030(displayedScalarOf(value)).value_or(*encodeGb18030(kSubstitute));
    std::string text;
    std::array<char, 3> digits{};
    for (std::uint8_t b : code.view()) {
        std::snprintf(digits.data(), digits.size(), "%02X", b);
        text += digits.data();
    }
    return padded(text);
}

std::string codeText(std::uint32_t value, CodeFormat format) {
    return format == CodeFormat::Gb18030 ? gb18030CodeText(value) : unicodeCodeText(value);
}

std::string switchCodeFormat(std::string_view text, CodeFormat to) {
    const auto n = parseHexValue(text);
    if (!n) return std::string(text);
    if (to == CodeFormat::Gb18030) return gb18030CodeText(*n);
    if (*n < 0x100) return padded(std::string(text));  // a one-byte code stays as it is
    const auto scalar = decodeGb18030(bytesOfNumber(*n));
    if (!scalar) return padded(std::string(text));
    return unicodeCodeText(*scalar);
}

CodeDisplay describeCode(std::uint32_t value, CodeFormat format, BlockNamePage page) {
    return {codeText(value, format), blockNameOf(value, page), codeSpaceColourOf(value)};
}

}  // namespace tesvik::chars
