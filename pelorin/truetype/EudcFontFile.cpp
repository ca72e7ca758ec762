#include "pelorin/truetype/EudcFontFile.h"

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/HeadTable.h"
#include "pelorin/truetype/HheaTable.h"
#include "pelorin/truetype/LocaTable.h"
#include "pelorin/truetype/LongMetricTable.h"
#include "pelorin/truetype/MaxpTable.h"
#include "pelorin/truetype/VheaTable.h"

namespace pelorin::truetype {
namespace {

TrueTypeError Damaged(const std::filesystem::path& path, const std::string& what) {
    return MakeError(TrueTypeErrorKind::Malformed, path.string() + ": " + what);
}

// Reads loca (short or long) as numGlyphs + 1 offsets that rise and stay inside glyf.
std::optional<std::vector<uint32_t>> ReadLoca(std::span<const uint8_t> loca, bool longOffsets, uint32_t numGlyphs,
                                              size_t glyfLength) {
    std::vector<uint32_t> offsets(numGlyphs + 1u);
    for (uint32_t i = 0; i <= numGlyphs; ++i) {
        const auto at = LocaTable::Offset(loca, longOffsets, i);
        if (!at || *at > glyfLength || (i > 0 && *at < offsets[i - 1])) return std::nullopt;
        offsets[i] = *at;
    }
    return offsets;
}

}  // namespace

TrueTypeResult<EudcFontFile> EudcFontFile::Create(const std::filesystem::path& path, uint16_t languageId,
                                                  uint16_t baseWinAscent) {
    auto file = BeginFontFile(path);
    if (!file) return TrueTypeResult<EudcFontFile>::failure(file.error());
    EudcFontFile eudc(BuildEudcFont(languageId, baseWinAscent), std::move(*file));
    if (auto loaded = eudc.LoadGlyphs(); !loaded) return TrueTypeResult<EudcFontFile>::failure(loaded.error());
    return eudc;
}

TrueTypeResult<EudcFontFile> EudcFontFile::OpenForMerge(const std::filesystem::path& path,
                                                        const std::filesystem::path& target) {
    auto font = CTTFMan::OpenExisting(path);
    if (!font) return TrueTypeResult<EudcFontFile>::failure(font.error());
    auto file = BeginFontFile(target.empty() ? path : target);
    if (!file) return TrueTypeResult<EudcFontFile>::failure(file.error());
    EudcFontFile eudc(std::move(*font), std::move(*file));
    if (auto loaded = eudc.LoadGlyphs(); !loaded) {
        return TrueTypeResult<EudcFontFile>::failure(Damaged(path, loaded.error().detail));
    }
    return eudc;
}

// Splits glyf into per-slot glyphs and brings hmtx/vmtx to one full pair per
// glyph, so that every later edit touches one slot only.
TrueTypeStatus EudcFontFile::LoadGlyphs() {
    auto fail = [](std::string what) {
        return TrueTypeStatus::failure(MakeError(TrueTypeErrorKind::Malformed, std::move(what)));
    };
    const auto head = font_.Table(tags::kHead);
    if (head.size() < HeadTable::kSize) return fail("no complete 'head' table");
    if (font_.TableLength(tags::kMaxp) < MaxpTable::maxContours.End()) return fail("no complete 'maxp' table");
    if (!font_.HasTable(tags::kGlyf) || !font_.HasTable(tags::kLoca)) return fail("no 'glyf' or 'loca' table");
    if (!font_.HasTable(tags::kHmtx) || font_.TableLength(tags::kHhea) < HheaTable::kSize)
        return fail("no 'hmtx' or 'hhea' table");
    em_ = font_.UnitsPerEm();
    const uint16_t numGlyphs = font_.NumGlyphs();
    if (numGlyphs == 0) return fail("no glyphs");

    const auto glyf = font_.Table(tags::kGlyf);
    const auto offsets = ReadLoca(font_.Table(tags::kLoca), HeadTable::HasLongLoca(head), numGlyphs, glyf.size());
    if (!offsets) return fail("'loca' does not fit 'glyf'");
    glyphs_.assign(numGlyphs, {});
    for (uint32_t g = 0; g < numGlyphs; ++g)
        glyphs_[g].assign(glyf.begin() + (*offsets)[g], glyf.begin() + (*offsets)[g + 1]);

    auto hmtx = ExpandToFullPairs(font_.Table(tags::kHmtx), font_.NumberOfHMetrics(), numGlyphs);
    if (!hmtx) return fail("'hmtx' too short");
    *font_.MutableTable(tags::kHmtx) = std::move(*hmtx);
    font_.SetNumberOfHMetrics(numGlyphs);
    if (font_.HasTable(tags::kVmtx) && font_.TableLength(tags::kVhea) >= VheaTable::kSize) {
        auto vmtx = ExpandToFullPairs(font_.Table(tags::kVmtx), font_.NumOfLongVerMetrics(), numGlyphs);
        if (!vmtx) return fail("'vmtx' too short");
        *font_.MutableTable(tags::kVmtx) = std::move(*vmtx);
        font_.SetNumOfLongVerMetrics(numGlyphs);
    }
    maxima_ = GlyphMaxima{font_.MaxPoints(), font_.MaxContours()};
    return {};
}

TrueTypeResult<GlyphSlotChange> EudcFontFile::AddGlyph(uint32_t code, std::span<const uint8_t> glyph,
                                                       LongMetric horizontal, LongMetric vertical, bool replace) {
    using R = TrueTypeResult<GlyphSlotChange>;
    if (code < eudc::kFirstCode || GlyphIndexOf(code) >= glyphs_.size()) return GlyphSlotChange::OutsideFont;
    const uint32_t g = GlyphIndexOf(code);
    if (!replace && !glyphs_[g].empty()) return GlyphSlotChange::SlotTaken;
    const auto counts = ReadGlyphCounts(glyph);
    if (!counts) return R::failure(MakeError(TrueTypeErrorKind::Malformed, "glyph data shorter than its header"));

    glyphs_[g].assign(glyph.begin(), glyph.end());
    if (glyphs_[g].size() % 2 != 0) glyphs_[g].push_back(0);
    PutU16(*font_.MutableTable(tags::kHmtx), 4u * g, horizontal.advance);
    PutU16(*font_.MutableTable(tags::kHmtx), 4u * g + 2, static_cast<uint16_t>(horizontal.sideBearing));
    if (font_.TableLength(tags::kVmtx) >= 4u * (g + 1)) {
        PutU16(*font_.MutableTable(tags::kVmtx), 4u * g, vertical.advance);
        PutU16(*font_.MutableTable(tags::kVmtx), 4u * g + 2, static_cast<uint16_t>(vertical.sideBearing));
    }
    maxima_.Include(*counts);
    return GlyphSlotChange::Stored;
}

GlyphMetrics EudcFontFile::Metrics(uint16_t glyphIndex) const {
    const uint16_t n = NumGlyphs();
    GlyphMetrics m;
    m.horizontal = LookUpLongMetric(font_.Table(tags::kHmtx), n, glyphIndex).value_or(LongMetric{});
    m.vertical = LookUpLongMetric(font_.Table(tags::kVmtx), n, glyphIndex).value_or(LongMetric{});
    return m;
}

void EudcFontFile::StoreGlyphTables() {
    std::vector<uint8_t>& glyf = *font_.MutableTable(tags::kGlyf);
    std::vector<uint8_t>& loca = *font_.MutableTable(tags::kLoca);
    glyf.clear();
    loca.clear();
    loca.reserve(4u * (glyphs_.size() + 1));
    for (const auto& glyph : glyphs_) {
        AppendU32(loca, static_cast<uint32_t>(glyf.size()));
        glyf.insert(glyf.end(), glyph.begin(), glyph.end());
    }
    AppendU32(loca, static_cast<uint32_t>(glyf.size()));
    WriteField(std::span<uint8_t>(*font_.MutableTable(tags::kHead)), HeadTable::indexToLocFormat,
               HeadTable::kLongOffsets);
    font_.SetMaxPoints(maxima_.maxPoints);
    font_.SetMaxContours(maxima_.maxContours);
}

std::vector<uint8_t> EudcFontFile::Serialize() {
    StoreGlyphTables();
    return font_.Serialize();
}

TrueTypeStatus EudcFontFile::Close() { return CommitFontFile(file_, Serialize()); }

}  // namespace pelorin::truetype
