#include "tesvik/program/CustomAreaCodeDisplay.h"

namespace tesvik::program {

void CustomAreaCodeDisplay::showSelection(std::optional<std::uint32_t> codePoint) {
    text_ = codePoint ? chars::codeText(*codePoint, format_) : std::string();
}

void CustomAreaCodeDisplay::switchFormat(chars::CodeFormat format) {
    if (format == format_) return;
    format_ = format;
    if (!text_.empty()) text_ = chars::switchCodeFormat(text_, format);
}

}  // namespace tesvik::program
