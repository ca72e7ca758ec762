#include "tesvik/shell/CustomAreaCodeDisplay.h"

namespace tesvik {

void CustomAreaCodeDisplay::showSelection(std::optional<std::uint32_t> codePoint) {
    text_ = codePoint ? codeText(*codePoint, format_) : std::string();
}

void CustomAreaCodeDisplay::switchFormat(CodeFormat format) {
    if (format == format_) return;
    format_ = format;
    if (!text_.empty()) text_ = switchCodeFormat(text_, format);
}

}  // namespace tesvik
