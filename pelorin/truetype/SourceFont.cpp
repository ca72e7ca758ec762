#include "pelorin/truetype/SourceFont.h"

#include <algorithm>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/HeadTable.h"
#include "pelorin/truetype/HheaTable.h"
#include "pelorin/truetype/LocaTable.h"
#include "pelorin/truetype/LongMetricTable.h"
#include "pelorin/truetype/MaxpTable.h"

namespace pelorin::truetype {
namespace {

TrueTypeError Bad(TrueTypeErrorKind kind, std::string what) { return MakeError(kind, std::move(what)); }

// Offset of the face's offset table in the file.
TrueTypeResult<uint32_t> FaceOffset(const ByteView& file, uint32_t faceIndex) {
    using R = TrueTypeResult<uint32_t>;
    const auto tag = ReadField(file.bytes(), CollectionHeader::tag);
    if (!tag) return R::failure(Bad(TrueTypeErrorKind::NotTrueType, "file too short"));
    if (*tag != CollectionHeader::kTag) {
        if (faceIndex != 0) return R::failure(Bad(TrueTypeErrorKind::NotFound, "not a collection: only face 0"));
        return 0u;
    }
    const auto numFonts = ReadField(file.bytes(), CollectionHeader::numFonts);
    if (!numFonts) return R::failure(Bad(TrueTypeErrorKind::Malformed, "collection header truncated"));
    if (faceIndex >= *numFonts) {
        return R::failure(Bad(TrueTypeErrorKind::NotFound, "collection has " + std::to_string(*numFonts) + " faces"));
    }
    const auto offset = file.U32(CollectionHeader::kOffsetTableOffsets + 4ull * faceIndex);
    if (!offset) return R::failure(Bad(TrueTypeErrorKind::Malformed, "collection header truncated"));
    return *offset;
}

}  // namespace

TrueTypeResult<SourceFont> SourceFont::Open(const std::filesystem::path& path, uint32_t faceIndex) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return TrueTypeResult<SourceFont>::failure(bytes.error());
    auto font = FromBytes(std::move(*bytes), faceIndex);
    if (!font) {
        return TrueTypeResult<SourceFont>::failure(
            MakeError(font.error().kind, path.string() + ": " + font.error().detail));
    }
    return font;
}

TrueTypeResult<uint32_t> SourceFont::FaceCount(const std::filesystem::path& path) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) return TrueTypeResult<uint32_t>::failure(bytes.error());
    const ByteView file(*bytes);
    if (ReadField(file.bytes(), CollectionHeader::tag) != CollectionHeader::kTag) return 1u;
    const auto n = ReadField(file.bytes(), CollectionHeader::numFonts);
    if (!n) return TrueTypeResult<uint32_t>::failure(Bad(TrueTypeErrorKind::Malformed, "collection header truncated"));
    return *n;
}

TrueTypeResult<SourceFont> SourceFont::FromBytes(std::vector<uint8_t> bytes, uint32_t faceIndex) {
    using R = TrueTypeResult<SourceFont>;
    SourceFont font;
    font.file_ = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    const ByteView file(*font.file_);
    const auto faceOffset = FaceOffset(file, faceIndex);
    if (!faceOffset) return R::failure(faceOffset.error());

    constexpr uint32_t kAccepted[] = {kTrueTypeVersion, kAppleTrueTypeVersion};
    auto directory = ParseTableDirectory(file, *faceOffset, kAccepted);
    if (!directory) return R::failure(directory.error());
    font.directory_ = std::move(directory->records);
    const auto hasRecord = [&](TableTag tag) {
        return std::ranges::any_of(font.directory_, [tag](const DirectoryRecord& r) { return r.tag == tag; });
    };
    if (!hasRecord(tags::kGlyf) || !hasRecord(tags::kLoca)) {
        return R::failure(Bad(TrueTypeErrorKind::NotTrueType, "no TrueType outlines ('glyf')"));
    }
    if (font.Table(tags::kHead).size() < HeadTable::kSize ||
        font.Table(tags::kMaxp).size() < MaxpTable::numGlyphs.End() ||
        font.Table(tags::kHhea).size() < HheaTable::kSize) {
        return R::failure(Bad(TrueTypeErrorKind::Malformed, "'head', 'maxp' or 'hhea' missing or truncated"));
    }
    auto cmap = CharacterMap::Parse(font.Table(tags::kCmap));
    if (!cmap) return R::failure(Bad(TrueTypeErrorKind::Unsupported, "no format 4 'cmap' subtable"));
    font.cmap_ = std::move(*cmap);
    return font;
}

std::span<const uint8_t> SourceFont::Table(TableTag tag) const {
    for (const DirectoryRecord& r : directory_) {
        if (r.tag == tag) return std::span<const uint8_t>(*file_).subspan(r.offset, r.length);
    }
    return {};
}

size_t SourceFont::ReadTable(TableTag tag, size_t offset, std::span<uint8_t> out) const {
    return CopyBytesAt(Table(tag), offset, out);
}

std::vector<CodeGlyph> SourceFont::EnumerateCodes() const {
    std::vector<CodeGlyph> pairs = cmap_.format4.Enumerate();
    const uint16_t numGlyphs = NumGlyphs();
    std::erase_if(pairs, [numGlyphs](const CodeGlyph& p) { return p.glyph >= numGlyphs; });
    return pairs;
}

std::vector<CodeGlyph> SourceFont::EnumerateAllCodes() const {
    std::vector<CodeGlyph> pairs = EnumerateCodes();
    if (!cmap_.format12) return pairs;
    std::vector<CodeGlyph> supplementary = cmap_.format12->EnumerateFrom(0x10000);
    const uint16_t numGlyphs = NumGlyphs();
    std::erase_if(supplementary, [numGlyphs](const CodeGlyph& p) { return p.glyph >= numGlyphs; });
    pairs.insert(pairs.end(), supplementary.begin(), supplementary.end());
    return pairs;
}

uint16_t SourceFont::GlyphForCode(uint32_t code) const {
    const uint16_t glyph = cmap_.Lookup(code);
    return glyph < NumGlyphs() ? glyph : 0;
}

std::span<const uint8_t> SourceFont::GetGlyph(uint16_t glyphIndex) const {
    if (glyphIndex >= NumGlyphs()) return {};
    const auto loca = Table(tags::kLoca);
    const bool longOffsets = HasLongLoca();
    const auto start = LocaTable::Offset(loca, longOffsets, glyphIndex);
    const auto end = LocaTable::Offset(loca, longOffsets, glyphIndex + 1u);
    const auto glyf = Table(tags::kGlyf);
    if (!start || !end || *start >= *end || *end > glyf.size()) return {};
    return glyf.subspan(*start, *end - *start);
}

GlyphMetrics SourceFont::GetMetrics(uint16_t glyphIndex) const {
    GlyphMetrics m;
    m.horizontal = LookUpLongMetric(Table(tags::kHmtx), NumberOfHMetrics(), glyphIndex).value_or(LongMetric{});
    m.vertical = LookUpLongMetric(Table(tags::kVmtx), NumOfLongVerMetrics(), glyphIndex).value_or(LongMetric{});
    return m;
}

}  // namespace pelorin::truetype
