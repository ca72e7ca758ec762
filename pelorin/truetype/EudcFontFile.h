#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "pelorin/truetype/CTTFMan.h"
#include "pelorin/truetype/EudcLayout.h"
#include "pelorin/truetype/FontFileReplacement.h"
#include "pelorin/truetype/GlyphCounts.h"
#include "pelorin/truetype/LongMetric.h"

namespace pelorin::truetype {

enum class GlyphSlotChange {
    Stored,       // the slot now holds exactly the given glyph and metrics
    SlotTaken,    // replace was off and the slot already held a glyph: nothing changed
    OutsideFont,  // the code has no slot in this font: nothing changed
};

// An EUDC font file (.tte) covering U+E000..U+F8FF. Create makes a new one;
// OpenForMerge takes an existing one to add or replace glyphs. Glyphs are
// kept per slot in memory and the file is laid out once, by Close, under a
// temporary name that replaces the final path only when complete; dropping
// the object without Close leaves the final path untouched.
class EudcFontFile {
public:
    // languageId: `name` language and `OS/2` ranges (2052, 1028, 1042, other).
    // baseWinAscent: usWinAscent of the font the EUDC font is linked to
    // (SourceFont::WinAscent).
    static TrueTypeResult<EudcFontFile> Create(const std::filesystem::path& path, uint16_t languageId,
                                               uint16_t baseWinAscent);
    // Reads the whole existing file; fails when it is not TrueType or its
    // glyf/loca/hmtx/vmtx/maxp do not agree. Its final path is `target`, or
    // the same file when `target` is empty.
    static TrueTypeResult<EudcFontFile> OpenForMerge(const std::filesystem::path& path,
                                                     const std::filesystem::path& target = {});

    uint16_t Em() const { return em_; }
    int16_t Ascender() const { return font_.Ascender(); }
    uint16_t NumGlyphs() const { return static_cast<uint16_t>(glyphs_.size()); }
    static uint32_t GlyphIndexOf(uint32_t code) { return code - eudc::kFirstCode + eudc::kFirstCodeGlyph; }

    // Puts an encoded glyph (empty for no outline) and its metrics into the
    // slot of code. With replace off an occupied slot is left as it is.
    // Glyph data of odd length gets one zero byte. Fails only for glyph
    // data too short for its own header.
    TrueTypeResult<GlyphSlotChange> AddGlyph(uint32_t code, std::span<const uint8_t> glyph, LongMetric horizontal,
                                             LongMetric vertical, bool replace);

    // The glyph data in a slot; empty for an empty slot or an index past the font.
    std::span<const uint8_t> Glyph(uint16_t glyphIndex) const {
        return glyphIndex < glyphs_.size() ? std::span<const uint8_t>(glyphs_[glyphIndex]) : std::span<const uint8_t>();
    }
    GlyphMetrics Metrics(uint16_t glyphIndex) const;

    // The file as Close writes it.
    std::vector<uint8_t> Serialize();
    // Writes the file and renames it into place. The object is spent afterwards.
    TrueTypeStatus Close();

private:
    EudcFontFile(CTTFMan font, platform::FileReplacement file) : font_(std::move(font)), file_(std::move(file)) {}
    TrueTypeStatus LoadGlyphs();
    void StoreGlyphTables();

    CTTFMan font_;
    platform::FileReplacement file_;
    std::vector<std::vector<uint8_t>> glyphs_;  // by glyph index
    GlyphMaxima maxima_;
    uint16_t em_ = 0;
};

}  // namespace pelorin::truetype
