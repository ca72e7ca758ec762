#include "pelorin/fonts/EudcDrawnCodes.h"

#include "pelorin/truetype/CTTFMan.h"
#include "pelorin/truetype/EudcLayout.h"
#include "pelorin/truetype/HeadTable.h"
#include "pelorin/truetype/LocaTable.h"

namespace pelorin::fonts {

namespace tt = pelorin::truetype;

std::vector<platform::CodePointRange> drawnCodesOf(const std::filesystem::path& eudcFile) {
    std::vector<platform::CodePointRange> ranges;
    auto font = tt::CTTFMan::OpenExisting(eudcFile);
    if (!font) return ranges;
    const auto head = font->Table(tt::tags::kHead);
    const auto loca = font->Table(tt::tags::kLoca);
    if (head.size() < tt::HeadTable::kSize) return ranges;
    const bool longOffsets = tt::HeadTable::HasLongLoca(head);
    for (std::size_t g = tt::eudc::kFirstCodeGlyph; g < font->NumGlyphs(); ++g) {
        const auto start = tt::LocaTable::Offset(loca, longOffsets, g);
        const auto end = tt::LocaTable::Offset(loca, longOffsets, g + 1);
        if (!end) break;
        if (*end <= *start) continue;
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
