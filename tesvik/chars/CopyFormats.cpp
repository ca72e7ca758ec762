#include "tesvik/chars/CopyFormats.h"

#include "tesvik/chars/CodeText.h"
#include "tesvik/chars/Gb18030.h"
#include "tesvik/chars/PackedChar.h"
#include "tesvik/chars/PuaTables.h"

#include <cstdio>

namespace tesvik::chars {

std::string codePointNotation(std::uint32_t value) { return "U+" + unicodeCodeText(value); }

std::string htmlReference(std::uint32_t value) { return "&#x" + unicodeCodeText(value) + ";"; }

std::string gb18030ByteText(std::uint32_t value) {
    const std::optional<Gb18030Code> code = encodeGb18030(static_cast<char32_t>(codePointOf(value)));
    if (!code) return {};
    std::string text;
    for (std::uint8_t byte : code->view()) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        if (!text.empty()) text += ' ';
        text += digits;
    }
    return text;
}

std::optional<std::uint32_t> standardTwinOf(std::uint32_t value) {
    const std::uint32_t codePoint = codePointOf(value);
    if (codePoint > 0xFFFF) return std::nullopt;
    const std::optional<std::uint32_t> standard = standardOfPua(codePoint, registerStandardMap());
    if (!standard) return std::nullopt;
    return packCodePoint(*standard);
}

}  // namespace tesvik::chars
