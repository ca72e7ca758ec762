#include "pelorin/truetype/MergedFontFile.h"

#include <algorithm>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/HeadTable.h"
#include "pelorin/truetype/MergedCmap.h"
#include "pelorin/truetype/Os2Table.h"
#include "pelorin/truetype/PostTable.h"

namespace pelorin::truetype {
namespace {

// ulCodePageRange1 is big-endian: its first byte holds bits 24 to 31.
constexpr size_t kCodePageHighByte = Os2Table::ulCodePageRange1.offset;
constexpr uint8_t kCodePageBits = 0x31;

bool Rebuilt(TableTag tag) {
    return tag == tags::kCmap || tag == tags::kGlyf || tag == tags::kLoca || tag == tags::kHmtx || tag == tags::kVmtx;
}

bool Dropped(TableTag tag) { return tag == tags::kHdmx || tag == tags::kLtsh || tag == tags::kDsig; }

TrueTypeStatus Failure(TrueTypeErrorKind kind, std::string what) {
    return TrueTypeStatus::failure(MakeError(kind, std::move(what)));
}

// A format 2 `post` with one name index per glyph for numGlyphs glyphs.
void ResizePostNames(std::vector<uint8_t>& post, uint16_t numGlyphs) {
    const ByteView view(post);
    if (ReadField(view.bytes(), PostTable::version) != PostTable::kVersion2) return;
    const auto oldCount = ReadField(view.bytes(), PostTable::numGlyphs);
    if (!oldCount || *oldCount == numGlyphs || !view.Has(PostTable::kGlyphNameIndex, 2u * *oldCount)) return;
    std::vector<uint8_t> resized(post.begin(), post.begin() + PostTable::kHeaderSize);
    AppendU16(resized, numGlyphs);
    for (uint16_t g = 0; g < numGlyphs; ++g) {
        AppendU16(resized, g < *oldCount ? GetU16(post, PostTable::kGlyphNameIndex + 2u * g) : 0);
    }
    resized.insert(resized.end(),
                   post.begin() + static_cast<std::ptrdiff_t>(PostTable::kGlyphNameIndex + 2u * *oldCount), post.end());
    post = std::move(resized);
}

}  // namespace

TrueTypeResult<MergedFontFile> MergedFontFile::Create(const std::filesystem::path& path) {
    auto file = BeginFontFile(path);
    if (!file) return TrueTypeResult<MergedFontFile>::failure(file.error());
    return MergedFontFile(std::move(*file));
}

TrueTypeStatus MergedFontFile::CopyTables(const SourceFont& source) {
    std::vector<TableTag> order;
    for (const DirectoryRecord& r : source.Directory()) {
        if (!Dropped(r.tag)) order.push_back(r.tag);
    }
    font_ = CTTFMan::WithDirectory(order);
    for (TableTag tag : order) {
        if (Rebuilt(tag)) continue;
        const auto table = source.Table(tag);
        font_.AppendTable(tag, std::vector<uint8_t>(table.begin(), table.end()));
    }
    if (std::vector<uint8_t>* os2 = font_.MutableTable(tags::kOS2); os2 && os2->size() > kCodePageHighByte) {
        (*os2)[kCodePageHighByte] |= kCodePageBits;
    }
    maxima_ = GlyphMaxima{font_.MaxPoints(), font_.MaxContours()};
    return {};
}

TrueTypeStatus MergedFontFile::WriteCmap(const SourceFont& source, std::span<const CodeGlyph> sortedByCode) {
    const std::vector<EncodingRecord> records = ReadEncodingRecords(source.Table(tags::kCmap));
    auto cmap = BuildMergedCmap(records, sortedByCode);
    if (!cmap) return Failure(TrueTypeErrorKind::Unsupported, "too many codes for one 'cmap' format 4 subtable");
    font_.AppendTable(tags::kCmap, std::move(*cmap));
    return {};
}

TrueTypeStatus MergedFontFile::SetNumGlyphs(uint32_t numGlyphs) {
    if (numGlyphs == 0 || numGlyphs > 0xFFFF) {
        return Failure(TrueTypeErrorKind::Unsupported,
                       "a font holds 1 to 65535 glyphs, not " + std::to_string(numGlyphs));
    }
    numGlyphs_ = static_cast<uint16_t>(numGlyphs);
    font_.SetNumGlyphs(numGlyphs_);
    return {};
}

void MergedFontFile::BeginGlyphs() {
    std::vector<uint8_t> glyf;
    font_.AppendTable(tags::kGlyf, std::move(glyf));
    offsets_.assign(1, 0);
}

size_t MergedFontFile::AppendGlyph(std::span<const uint8_t> glyph) {
    std::vector<uint8_t>* glyf = font_.MutableTable(tags::kGlyf);
    if (!glyf) return 0;
    glyf->insert(glyf->end(), glyph.begin(), glyph.end());
    if (glyph.size() % 2 != 0) glyf->push_back(0);
    if (const auto counts = ReadGlyphCounts(glyph)) maxima_.Include(*counts);
    offsets_.push_back(static_cast<uint32_t>(glyf->size()));
    return offsets_.back() - offsets_[offsets_.size() - 2];
}

TrueTypeStatus MergedFontFile::WriteLoca(std::span<const uint32_t> offsets) {
    const size_t glyfLength = font_.TableLength(tags::kGlyf);
    if (offsets.size() != numGlyphs_ + 1u || !std::ranges::is_sorted(offsets) || offsets.back() > glyfLength) {
        return Failure(TrueTypeErrorKind::Malformed, "'loca' offsets do not match the glyphs written");
    }
    std::vector<uint8_t> loca;
    loca.reserve(4 * offsets.size());
    for (uint32_t offset : offsets) AppendU32(loca, offset);
    font_.AppendTable(tags::kLoca, std::move(loca));
    return {};
}

TrueTypeStatus MergedFontFile::WriteMetrics(TableTag tag, std::span<const LongMetric> metrics) {
    if (metrics.size() != numGlyphs_) {
        return Failure(TrueTypeErrorKind::Malformed, "'" + TagText(tag) + "' needs one metric per glyph");
    }
    std::vector<uint8_t> table;
    table.reserve(4 * metrics.size());
    for (const LongMetric& m : metrics) {
        AppendU16(table, m.advance);
        AppendI16(table, m.sideBearing);
    }
    font_.AppendTable(tag, std::move(table));
    return {};
}

TrueTypeStatus MergedFontFile::WriteHmtx(std::span<const LongMetric> metrics) {
    return WriteMetrics(tags::kHmtx, metrics);
}

TrueTypeStatus MergedFontFile::WriteVmtx(std::span<const LongMetric> metrics) {
    if (!font_.HasRecord(tags::kVmtx)) return {};
    return WriteMetrics(tags::kVmtx, metrics);
}

void MergedFontFile::FinishCounts() {
    font_.SetNumberOfHMetrics(numGlyphs_);
    if (font_.HasTable(tags::kVmtx)) font_.SetNumOfLongVerMetrics(numGlyphs_);
    font_.SetMaxPoints(maxima_.maxPoints);
    font_.SetMaxContours(maxima_.maxContours);
    if (std::vector<uint8_t>* head = font_.MutableTable(tags::kHead)) {
        WriteField(std::span<uint8_t>(*head), HeadTable::indexToLocFormat, HeadTable::kLongOffsets);
    }
    if (std::vector<uint8_t>* post = font_.MutableTable(tags::kPost)) ResizePostNames(*post, numGlyphs_);
}

TrueTypeStatus MergedFontFile::Close() {
    for (TableTag tag : {tags::kCmap, tags::kGlyf, tags::kLoca, tags::kHmtx}) {
        if (!font_.HasTable(tag))
            return Failure(TrueTypeErrorKind::Malformed, "'" + TagText(tag) + "' was never written");
    }
    if (font_.HasRecord(tags::kVmtx) && !font_.HasTable(tags::kVmtx)) font_.RemoveTable(tags::kVmtx);
    return CommitFontFile(file_, font_.Serialize());
}

}  // namespace pelorin::truetype
