#include "tesvik/shell/CustomAreaCodeEntry.h"

#include "tesvik/display/CodeValue.h"

#include <cctype>

namespace tesvik {

std::optional<std::uint32_t> readCodeEntry(std::string_view text) {
    if (text.size() > kCodeEntryMaxLength) return std::nullopt;
    if (text.empty()) return 0;
    if (!std::isxdigit(static_cast<unsigned char>(text.front()))) return std::nullopt;
    const auto value = parseHexValue(text);
    if (!value || *value > kCodeEntryMaxValue) return std::nullopt;
    return value;
}

PackedChar codeEntryPreviewOf(std::uint32_t value) { return packCodePoint(value); }

bool isOutputtableCodeEntry(PackedChar preview) {
    return preview != 0 && !(preview >= 0xD800 && preview <= 0xDFFF);
}

CodeEntryOutcome CodeValueEntry::change(std::string_view text) {
    const auto value = readCodeEntry(text);
    if (!value) return {accepted_, preview_, MessageId::CodeValueOutOfRange};
    accepted_ = std::string(text);
    preview_ = codeEntryPreviewOf(*value);
    return {accepted_, preview_, std::nullopt};
}

std::optional<PackedChar> CodeValueEntry::output() const {
    if (!isOutputtableCodeEntry(preview_)) return std::nullopt;
    return preview_;
}

}  // namespace tesvik
