#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <vector>

#include "pelorin/truetype/CTTFMan.h"
#include "pelorin/truetype/CmapSubtable.h"
#include "pelorin/truetype/FontFields.h"
#include "pelorin/truetype/LongMetric.h"

namespace pelorin::truetype {

// Read access to an installed TrueType font, table by table, from its file
// (a single font or one face of a collection). Every offset and length read
// from the file is checked before use; a table that is absent or lies
// outside the file reads as empty. Copies share the file's bytes.
class SourceFont : public FontFields<SourceFont> {
public:
    // faceIndex selects the face of a collection (.ttc); a plain font has only face 0.
    // Fails when the file cannot be read, is not TrueType-flavoured (no
    // `glyf`), lacks `head`/`maxp`/`hhea`, or has no format 4 `cmap` subtable.
    static TrueTypeResult<SourceFont> Open(const std::filesystem::path& path, uint32_t faceIndex = 0);
    static TrueTypeResult<SourceFont> FromBytes(std::vector<uint8_t> file, uint32_t faceIndex = 0);

    // Number of faces in the file: the collection's count, or 1 for a plain font.
    static TrueTypeResult<uint32_t> FaceCount(const std::filesystem::path& path);

    // The face's directory records in directory order (offsets are into the file).
    const std::vector<DirectoryRecord>& Directory() const { return directory_; }
    std::span<const uint8_t> Table(TableTag tag) const;
    // Copies table bytes from offset; 0 when the tag is absent or offset is past the table.
    size_t ReadTable(TableTag tag, size_t offset, std::span<uint8_t> out) const;

    // NumGlyphs, UnitsPerEm, Ascender, NumberOfHMetrics, NumOfLongVerMetrics,
    // WinAscent, HasLongLoca and the other header fields: see FontFields.

    // Windows encoding ID of the format 4 subtable in use (1 Unicode,
    // 2 Shift-JIS, 3 PRC, 4 Big5, 5 Wansung, 6 Johab); a subtable of the
    // Unicode platform (0) counts as 1, whatever its own encoding ID says.
    uint16_t CmapEncoding() const { return cmap_.encodingId; }
    // Every (code, glyph) pair of that subtable, ascending by code; codes
    // mapped to glyph 0 or to a glyph past numGlyphs are left out.
    std::vector<CodeGlyph> EnumerateCodes() const;
    // EnumerateCodes() followed by the codes above U+FFFF of the format 12
    // subtable when there is one, same rules: every code the font displays.
    std::vector<CodeGlyph> EnumerateAllCodes() const;
    // The glyph of a Unicode code point through the format 12 subtable when
    // there is one, else the format 4 subtable; 0 when unmapped.
    uint16_t GlyphForCode(uint32_t code) const;

    // The glyph's bytes in `glyf` (short or long `loca`); empty for an empty
    // glyph or one whose `loca` entry does not fit.
    std::span<const uint8_t> GetGlyph(uint16_t glyphIndex) const;
    // Horizontal and vertical metrics by the standard's rules (glyphs past
    // the long metrics take the last advance and their own side bearing).
    // Without `vmtx` the vertical metric is all zero.
    GlyphMetrics GetMetrics(uint16_t glyphIndex) const;

private:
    SourceFont() = default;

    std::shared_ptr<const std::vector<uint8_t>> file_;
    std::vector<DirectoryRecord> directory_;
    CharacterMap cmap_;
};

}  // namespace pelorin::truetype
