#include "tools/tesvik-query/TypedText.h"

#include "tesvik/chars/CodeValue.h"
#include "tesvik/program/OutputService.h"

namespace tesvik::query {

namespace {

// Strict UTF-8: shortest forms of scalars only.
std::optional<std::u32string> decodeUtf8(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        char32_t scalar = lead;
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
        if (i + length > text.size()) return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return std::nullopt;
            scalar = (scalar << 6) | (next & 0x3F);
        }
        const char32_t shortest = length == 4 ? 0x10000 : length == 3 ? 0x800 : length == 2 ? 0x80 : 0;
        if (scalar < shortest || scalar > 0x10FFFF || (scalar >= 0xD800 && scalar <= 0xDFFF)) return std::nullopt;
        out += scalar;
        i += length;
    }
    return out;
}

}  // namespace

std::optional<std::u32string> textToType(const CommandLine& line, std::string& error) {
    if (line.positional.empty()) {
        error = "type needs TEXT, or --code and one or more hexadecimal VALUEs";
        return std::nullopt;
    }
    if (!line.has("code")) {
        if (line.positional.size() != 1) {
            error = "type takes one TEXT (quote text with blanks)";
            return std::nullopt;
        }
        auto text = decodeUtf8(line.positional.front());
        if (text && !text->empty()) return text;
        error = "TEXT is not UTF-8 text";
        return std::nullopt;
    }
    std::u32string text;
    for (const std::string& word : line.positional) {
        const auto value = chars::parseHexValue(word);
        const auto scalar = value ? program::scalarOfCandidate(*value) : std::nullopt;
        if (!scalar) {
            error = "not the code value of a character: " + word;
            return std::nullopt;
        }
        text += *scalar;
    }
    return text;
}

}  // namespace tesvik::query
