#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "pelorin/truetype/CTTFMan.h"
#include "pelorin/truetype/CmapSubtable.h"
#include "pelorin/truetype/FontFileReplacement.h"
#include "pelorin/truetype/GlyphCounts.h"
#include "pelorin/truetype/LongMetric.h"
#include "pelorin/truetype/SourceFont.h"

namespace pelorin::truetype {

// A new font file written from a source font plus extra glyphs; the source's
// glyphs keep their indices. Driven in this order:
//
//   auto out = MergedFontFile::Create(path);
//   out->CopyTables(source);
//   out->WriteCmap(source, mergedList);           // (code, glyph) sorted by code
//   out->SetNumGlyphs(n);
//   out->BeginGlyphs();
//   for each glyph index 0..n-1: out->AppendGlyph(bytes);
//   out->EndGlyphs();
//   out->WriteLoca(out->GlyphOffsets());
//   out->WriteHmtx(horizontal); out->WriteVmtx(vertical);   // n entries each
//   out->FinishCounts();
//   out->Close();                                  // written beside, then renamed into place
//
// Everything is kept in memory until Close; dropping the object earlier
// leaves the final path untouched.
class MergedFontFile {
public:
    static TrueTypeResult<MergedFontFile> Create(const std::filesystem::path& path);

    // The source's directory (same tags, same order) and a copy of every
    // table except `cmap`, `glyf`, `loca`, `hmtx`, `vmtx`, which are rebuilt.
    // `hdmx`, `LTSH` (per-glyph tables the new glyphs would not be in) and
    // `DSIG` (no longer a valid signature) are dropped. The high byte of
    // `OS/2` ulCodePageRange1 is OR-ed with 0x31.
    TrueTypeStatus CopyTables(const SourceFont& source);
    // Fails (Unsupported) when the list needs a format 4 subtable longer than 65535 bytes.
    TrueTypeStatus WriteCmap(const SourceFont& source, std::span<const CodeGlyph> sortedByCode);
    // Fails for more than 65535 glyphs.
    TrueTypeStatus SetNumGlyphs(uint32_t numGlyphs);
    void BeginGlyphs();
    // Appends the next glyph's data (one zero byte added to an odd length)
    // and returns the stored length. Simple glyphs raise maxPoints/maxContours.
    size_t AppendGlyph(std::span<const uint8_t> glyph);
    // Start offset of every glyph appended so far, then the end of the data.
    std::span<const uint32_t> GlyphOffsets() const { return offsets_; }
    void EndGlyphs() {}
    // Long offsets; exactly numGlyphs + 1 of them, rising, ending inside `glyf`.
    TrueTypeStatus WriteLoca(std::span<const uint32_t> offsets);
    // Exactly numGlyphs full pairs each. WriteVmtx does nothing for a source without `vmtx`.
    TrueTypeStatus WriteHmtx(std::span<const LongMetric> metrics);
    TrueTypeStatus WriteVmtx(std::span<const LongMetric> metrics);
    // numberOfHMetrics, numOfLongVerMetrics, maxPoints, maxContours; long
    // `loca` in `head`; a format 2 `post` extended to the new glyph count
    // (new glyphs named .notdef's index 0).
    void FinishCounts();

    std::vector<uint8_t> Serialize() const { return font_.Serialize(); }
    TrueTypeStatus Close();

private:
    MergedFontFile(platform::FileReplacement file) : file_(std::move(file)) {}
    TrueTypeStatus WriteMetrics(TableTag tag, std::span<const LongMetric> metrics);

    CTTFMan font_;
    platform::FileReplacement file_;
    uint16_t numGlyphs_ = 0;
    std::vector<uint32_t> offsets_;
    GlyphMaxima maxima_;
};

}  // namespace pelorin::truetype
