#include "pelorin/fonts/LibraryGlyph.h"

#include "pelorin/pfi/GlyphConverter.h"

namespace pelorin::fonts {

std::optional<FontGlyph> convertLibraryGlyph(const CPfiDoc& library, std::uint16_t code, std::uint16_t em,
                                             std::int16_t ascender, bool smooth, MessageSink& messages) {
    // The converter keeps its working storage from glyph to glyph.
    thread_local GlyphConverter converter;
    thread_local std::vector<std::uint8_t> buffer(kGlyphDataRoom);
    const auto converted = converter.Convert(library, code, ConversionTarget{em, ascender}, smooth, buffer);
    if (!converted) return std::nullopt;
    if (converted->notice != ConversionNotice::None) messages.show(std::string(NoticeText(converted->notice)));
    return FontGlyph{std::vector<std::uint8_t>(converted->data.begin(), converted->data.end()),
                     truetype::LongMetric::Unpack(converted->HorizontalMetric()),
                     truetype::LongMetric::Unpack(converted->VerticalMetric())};
}

}  // namespace pelorin::fonts
