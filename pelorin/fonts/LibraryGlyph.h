#pragma once

#include "pelorin/fonts/FontMessages.h"
#include "pelorin/pfi/PfiDoc.h"
#include "pelorin/truetype/LongMetric.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pelorin::fonts {

// A library glyph converted for a font: encoded TrueType glyph data (empty
// when the conversion produced none) and its metrics.
struct FontGlyph {
    std::vector<std::uint8_t> data;
    truetype::LongMetric horizontal;
    truetype::LongMetric vertical;
};

// Converts the library's glyph for a code to the font's em and ascender.
// Nothing when the library has no such code or its record is malformed;
// the conversion's notices go to `messages`.
std::optional<FontGlyph> convertLibraryGlyph(const CPfiDoc& library, std::uint16_t code, std::uint16_t em,
                                             std::int16_t ascender, bool smooth, MessageSink& messages);

}  // namespace pelorin::fonts
