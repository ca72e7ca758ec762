#include "pelorin/fonts/CmapEncoding.h"

namespace pelorin::fonts {
namespace {

std::uint16_t u16At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

std::uint32_t u32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(u16At(bytes, at)) << 16 | u16At(bytes, at + 2);
}

}  // namespace

std::uint16_t cmapEncodingOf(const truetype::SourceFont& font) {
    const auto cmap = font.Table(truetype::tags::kCmap);
    if (cmap.size() >= 4) {
        const std::size_t records = u16At(cmap, 2);
        for (std::size_t i = 0; i < records && 4 + 8 * (i + 1) <= cmap.size(); ++i) {
            const std::size_t record = 4 + 8 * i;
            const std::uint32_t offset = u32At(cmap, record + 4);
            if (static_cast<std::size_t>(offset) + 2 > cmap.size() || u16At(cmap, offset) != 4) continue;
            if (u16At(cmap, record) == 0) return 1;
            break;
        }
    }
    return font.CmapEncoding();
}

}  // namespace pelorin::fonts
