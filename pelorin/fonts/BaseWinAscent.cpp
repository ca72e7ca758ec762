#include "pelorin/fonts/BaseWinAscent.h"

#include "pelorin/truetype/SourceFont.h"

namespace pelorin::fonts {

std::uint16_t winAscentOf(const std::string& fontFile, int faceIndex) {
    const auto font = truetype::SourceFont::Open(fontFile, static_cast<std::uint32_t>(faceIndex));
    if (!font || font->WinAscent() == 0) return kDefaultEudcWinAscent;
    return font->WinAscent();
}

}  // namespace pelorin::fonts
