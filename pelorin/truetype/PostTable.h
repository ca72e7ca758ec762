#pragma once

#include <cstddef>
#include <cstdint>

#include "pelorin/truetype/TableField.h"

namespace pelorin::truetype {

// `post`: the header and, in version 2.0, the glyph name indices that follow it.
struct PostTable {
    static constexpr Field<uint32_t> version{0};
    static constexpr uint32_t kVersion2 = 0x00020000;
    static constexpr size_t kHeaderSize = 32;
    // Version 2.0 only: numGlyphs, then one u16 glyphNameIndex per glyph.
    static constexpr Field<uint16_t> numGlyphs{kHeaderSize};
    static constexpr size_t kGlyphNameIndex = kHeaderSize + 2;
};

}  // namespace pelorin::truetype
