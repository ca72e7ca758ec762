#include "pelorin/fonts/EudcDrawnCodes.h"

#include "pelorin/truetype/CTTFMan.h"
#include "pelorin/truetype/EudcLayout.h"

#include <algorithm>

namespace pelorin::fonts {
namespace {

namespace tt = pelorin::truetype;

std::uint32_t locaEntry(std::span<const std::uint8_t> loca, bool longOffsets, std::size_t index) {
    if (longOffsets) {
        const std::size_t at = index * 4;
        return static_cast<std::uint32_t>(loca[at]) << 24 | static_cast<std::uint32_t>(loca[at + 1]) << 16 |
               static_cast<std::uint32_t>(loca[at + 2]) << 8 | loca[at + 3];
    }
    const std::size_t at = index * 2;
    return 2u * (static_cast<std::uint32_t>(loca[at]) << 8 | loca[at + 1]);
}

}  // namespace

std::vector<platform::CodePointRange> drawnCodesOf(const std::filesystem::path& eudcFile) {
    std::vector<platform::CodePointRange> ranges;
    auto font = tt::CTTFMan::OpenExisting(eudcFile);
    if (!font) return ranges;
    const auto head = font->Table(tt::tags::kHead);
    const auto loca = font->Table(tt::tags::kLoca);
    if (head.size() < 54 || loca.size() < 8) return ranges;
    const bool longOffsets = (head[50] << 8 | head[51]) == 1;
    const std::size_t entrySize = longOffsets ? 4 : 2;
    // Glyph g spans loca[g] to loca[g + 1].
    const std::size_t glyphs = std::min<std::size_t>(font->NumGlyphs(), loca.size() / entrySize - 1);
    for (std::size_t g = tt::eudc::kFirstCodeGlyph; g < glyphs; ++g) {
        if (locaEntry(loca, longOffsets, g + 1) <= locaEntry(loca, longOffsets, g)) continue;
        const auto code = static_cast<std::uint32_t>(g - tt::eudc::kFirstCodeGlyph + tt::eudc::kFirstCode);
        if (code > tt::eudc::kLastCode) break;
        if (!ranges.empty() && ranges.back().last + 1 == code)
            ranges.back().last = code;
        else
            ranges.push_back({code, code});
    }
    return ranges;
}

}  // namespace pelorin::fonts
