#include "tools/tesvik-query/TypedText.h"

#include "tesvik/chars/CodeValue.h"
#include "tesvik/chars/Utf8Scalar.h"
#include "tesvik/program/OutputService.h"

namespace tesvik::query {

namespace {

// Strict UTF-8, scalar by scalar.
std::optional<std::u32string> decodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        const auto scalar = chars::leadingUtf8Scalar(text.substr(i), length);
        if (!scalar) return std::nullopt;
        out += *scalar;
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
