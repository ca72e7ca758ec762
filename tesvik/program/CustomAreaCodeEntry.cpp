#include "tesvik/program/CustomAreaCodeEntry.h"

#include "tesvik/chars/CodeValue.h"

#include <cctype>

namespace tesvik::program {

std::optional<std::uint32_t> readCodeEntry(std::string_view text) {
    if (text.size() > kCodeEntryMaxLength) return std::nullopt;
    if (text.empty()) return 0;
    if (!std::isxdigit(static_cast<unsigned char>(text.front()))) return std::nullopt;
    const auto value = chars::parseHexValue(text);
    if (!value || *value > kCodeEntryMaxValue) return std::nullopt;
    return value;
}

chars::PackedChar codeEntryPreviewOf(std::uint32_t value) { return chars::packCodePoint(value); }

bool isOutputtableCodeEntry(chars::PackedChar preview) {
    return preview != 0 && !(preview >= 0xD800 && preview <= 0xDFFF);
}

CodeEntryOutcome CodeValueEntry::change(std::string_view text) {
    const auto value = readCodeEntry(text);
    if (!value) return {accepted_, preview_, MessageId::CodeValueOutOfRange};
    accepted_ = std::string(text);
    preview_ = codeEntryPreviewOf(*value);
    return {accepted_, preview_, std::nullopt};
}

std::optional<chars::PackedChar> CodeValueEntry::output() const {
    if (!isOutputtableCodeEntry(preview_)) return std::nullopt;
    return preview_;
}

}  // namespace tesvik::program
