#pragma once

#include <cstdint>

#include "pelorin/truetype/GlyphOutline.h"
#include "pelorin/truetype/SourceFont.h"

namespace pelorin::truetype {

// The outline of the glyph a code point maps to, in font units, with its
// advance width. Composite glyphs are flattened: each component's points go
// through its scale or 2x2 matrix and its offset (or point-matching anchor)
// and are rounded to whole units. Points are given as stored: two off-curve
// points in a row keep their implied on-curve point implicit.
// NotFound when the code is unmapped; Malformed when the glyph data (or a
// component, or the nesting of components) is broken.
TrueTypeResult<GlyphOutline> ReadGlyphOutline(const SourceFont& font, uint32_t codePoint);
TrueTypeResult<GlyphOutline> ReadGlyphOutlineByIndex(const SourceFont& font, uint16_t glyphIndex);

}  // namespace pelorin::truetype
