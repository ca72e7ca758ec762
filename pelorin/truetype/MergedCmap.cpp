#include "pelorin/truetype/MergedCmap.h"

#include <algorithm>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/CmapTable.h"
#include "pelorin/truetype/TableChecksum.h"

namespace pelorin::truetype {
namespace {

struct Segment {
    uint16_t start, end;
    uint16_t delta;                // used when glyphs is empty
    std::vector<uint16_t> glyphs;  // glyph array entries, one per code
};

constexpr size_t kFormat4Header = 16;  // up to and including reservedPad
constexpr size_t kFormat0Length = 262;
constexpr size_t kFormat12Header = 16;
constexpr size_t kFormat12Group = 12;

bool RisesTogether(const CodeGlyph& a, const CodeGlyph& b) { return b.code == a.code + 1 && b.glyph == a.glyph + 1; }
bool CodesRise(const CodeGlyph& a, const CodeGlyph& b) { return b.code == a.code + 1; }

std::vector<Segment> DeltaSegments(std::span<const CodeGlyph> pairs) {
    std::vector<Segment> segments;
    for (size_t i = 0; i < pairs.size();) {
        size_t j = i + 1;
        while (j < pairs.size() && RisesTogether(pairs[j - 1], pairs[j])) ++j;
        segments.push_back({static_cast<uint16_t>(pairs[i].code),
                            static_cast<uint16_t>(pairs[j - 1].code),
                            static_cast<uint16_t>(pairs[i].glyph - pairs[i].code),
                            {}});
        i = j;
    }
    return segments;
}

std::vector<Segment> ArraySegments(std::span<const CodeGlyph> pairs) {
    std::vector<Segment> segments;
    for (size_t i = 0; i < pairs.size();) {
        size_t j = i + 1;
        bool oneDelta = true;
        while (j < pairs.size() && CodesRise(pairs[j - 1], pairs[j])) {
            oneDelta = oneDelta && RisesTogether(pairs[j - 1], pairs[j]);
            ++j;
        }
        Segment s{static_cast<uint16_t>(pairs[i].code),
                  static_cast<uint16_t>(pairs[j - 1].code),
                  static_cast<uint16_t>(pairs[i].glyph - pairs[i].code),
                  {}};
        if (!oneDelta) {
            s.delta = 0;
            for (size_t k = i; k < j; ++k) s.glyphs.push_back(pairs[k].glyph);
        }
        segments.push_back(std::move(s));
        i = j;
    }
    return segments;
}

size_t Format4Length(const std::vector<Segment>& segments) {
    size_t length = kFormat4Header + 8 * segments.size();
    for (const Segment& s : segments) length += 2 * s.glyphs.size();
    return length;
}

std::vector<uint8_t> EncodeFormat4(const std::vector<Segment>& segments) {
    const auto segCount = static_cast<uint16_t>(segments.size());
    std::vector<uint8_t> out;
    AppendU16(out, 4);
    AppendU16(out, static_cast<uint16_t>(Format4Length(segments)));
    AppendU16(out, 0);
    AppendU16(out, static_cast<uint16_t>(2 * segCount));
    const SearchFields search = SearchFieldsFor(segCount, 2);
    AppendU16(out, search.searchRange);
    AppendU16(out, search.entrySelector);
    AppendU16(out, search.rangeShift);
    for (const Segment& s : segments) AppendU16(out, s.end);
    AppendU16(out, 0);
    for (const Segment& s : segments) AppendU16(out, s.start);
    for (const Segment& s : segments) AppendU16(out, s.delta);
    // idRangeOffset counts from its own word to the segment's first glyph-array entry.
    size_t arrayBefore = 0;
    for (size_t i = 0; i < segments.size(); ++i) {
        if (segments[i].glyphs.empty()) {
            AppendU16(out, 0);
        } else {
            AppendU16(out, static_cast<uint16_t>(2 * (segCount - i) + 2 * arrayBefore));
            arrayBefore += segments[i].glyphs.size();
        }
    }
    for (const Segment& s : segments) {
        for (uint16_t g : s.glyphs) AppendU16(out, g);
    }
    return out;
}

std::vector<uint8_t> EncodeFormat0(std::span<const CodeGlyph> sortedByCode) {
    std::vector<uint8_t> out;
    AppendU16(out, 0);
    AppendU16(out, kFormat0Length);
    AppendU16(out, 0);
    std::vector<uint8_t> glyphBytes(256, 0);
    for (const CodeGlyph& p : sortedByCode) {
        if (p.code < 256 && p.glyph < 256) glyphBytes[p.code] = static_cast<uint8_t>(p.glyph);
    }
    out.insert(out.end(), glyphBytes.begin(), glyphBytes.end());
    return out;
}

bool PointsToFormat12(const EncodingRecord& record) { return record.format == 12; }

}  // namespace

std::vector<EncodingRecord> ReadEncodingRecords(std::span<const uint8_t> cmapBytes) {
    const ByteView cmap(cmapBytes);
    std::vector<EncodingRecord> records;
    const uint16_t count = ReadField(cmapBytes, CmapTable::numTables).value_or(0);
    for (size_t i = 0; i < count; ++i) {
        const auto record = ReadCmapRecord(cmap, i);
        if (!record) break;
        const uint16_t format =
            cmap.U16(size_t{record->subtableOffset} + CmapSubtableHeader::format.offset).value_or(0);
        records.push_back({record->platformId, record->encodingId, format});
    }
    return records;
}

std::optional<std::vector<uint8_t>> BuildFormat4(std::span<const CodeGlyph> sortedByCode) {
    std::vector<CodeGlyph> pairs;
    for (const CodeGlyph& p : sortedByCode) {
        if (p.code < 0xFFFF) pairs.push_back(p);
    }
    const Segment closing{0xFFFF, 0xFFFF, 1, {}};
    std::vector<Segment> segments = DeltaSegments(pairs);
    segments.push_back(closing);
    if (Format4Length(segments) > 0xFFFF) {
        segments = ArraySegments(pairs);
        segments.push_back(closing);
        if (Format4Length(segments) > 0xFFFF) return std::nullopt;
    }
    return EncodeFormat4(segments);
}

std::vector<uint8_t> BuildFormat12(std::span<const CodeGlyph> sortedByCode) {
    std::vector<uint8_t> groups;
    uint32_t numGroups = 0;
    for (size_t i = 0; i < sortedByCode.size();) {
        size_t j = i + 1;
        while (j < sortedByCode.size() && RisesTogether(sortedByCode[j - 1], sortedByCode[j])) ++j;
        AppendU32(groups, sortedByCode[i].code);
        AppendU32(groups, sortedByCode[j - 1].code);
        AppendU32(groups, sortedByCode[i].glyph);
        ++numGroups;
        i = j;
    }
    std::vector<uint8_t> out;
    AppendU16(out, 12);
    AppendU16(out, 0);
    AppendU32(out, static_cast<uint32_t>(kFormat12Header + kFormat12Group * numGroups));
    AppendU32(out, 0);
    AppendU32(out, numGroups);
    out.insert(out.end(), groups.begin(), groups.end());
    return out;
}

std::optional<std::vector<uint8_t>> BuildMergedCmap(std::span<const EncodingRecord> records,
                                                    std::span<const CodeGlyph> sortedByCode) {
    const auto format4 = BuildFormat4(sortedByCode);
    if (!format4) return std::nullopt;
    const bool firstTakesFormat0 = records.empty() || !PointsToFormat12(records[0]);
    const auto format0 = firstTakesFormat0 ? EncodeFormat0(sortedByCode) : std::vector<uint8_t>{};
    const auto format12 =
        std::ranges::any_of(records, PointsToFormat12) ? BuildFormat12(sortedByCode) : std::vector<uint8_t>{};
    const auto count = static_cast<uint16_t>(records.size());
    const auto format0At = static_cast<uint32_t>(CmapRecordLayout::At(count));
    const auto format4At = static_cast<uint32_t>(format0At + format0.size());
    const auto format12At = static_cast<uint32_t>(format4At + format4->size());
    std::vector<uint8_t> out;
    AppendU16(out, 0);  // version
    AppendU16(out, count);
    for (size_t i = 0; i < records.size(); ++i) {
        AppendU16(out, records[i].platformId);
        AppendU16(out, records[i].encodingId);
        AppendU32(out, PointsToFormat12(records[i]) ? format12At : i == 0 ? format0At : format4At);
    }
    out.insert(out.end(), format0.begin(), format0.end());
    out.insert(out.end(), format4->begin(), format4->end());
    out.insert(out.end(), format12.begin(), format12.end());
    return out;
}

}  // namespace pelorin::truetype
