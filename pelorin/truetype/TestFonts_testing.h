#pragma once

// Helpers shared by this folder's tests and benchmarks (header only, so it
// stays out of the library).

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include <unistd.h>

#include "pelorin/truetype/BigEndian.h"
#include "pelorin/truetype/CTTFMan.h"
#include "pelorin/truetype/EudcLayout.h"
#include "pelorin/truetype/GlyphOutline.h"
#include "pelorin/truetype/MergedCmap.h"
#include "pelorin/truetype/SimpleGlyphCodec.h"
#include "pelorin/truetype/TableDirectory.h"
#include "pelorin/truetype/TableTag.h"

namespace pelorin::truetype::testing {

// An axis-aligned square contour, corners on the curve.
inline Contour Square(int32_t x, int32_t y, int32_t side) {
    return {{x, y, true}, {x, y + side, true}, {x + side, y + side, true}, {x + side, y, true}};
}

inline std::vector<uint8_t> SquareGlyph(int32_t x, int32_t y, int32_t side) {
    const std::vector<Contour> contours{Square(x, y, side)};
    return EncodeSimpleGlyph(contours);
}

// A contour of n points round a centre: on-curve and off-curve points alternate.
inline Contour Ring(int32_t cx, int32_t cy, int32_t radius, int n, uint32_t seed) {
    Contour c;
    for (int i = 0; i < n; ++i) {
        // A cheap deterministic wobble keeps the deltas varied without <cmath>.
        const int32_t wobble = static_cast<int32_t>((seed * 2654435761u + static_cast<uint32_t>(i) * 40503u) % 7u);
        const int k = i % 8;
        static constexpr int dx[8] = {100, 71, 0, -71, -100, -71, 0, 71};
        static constexpr int dy[8] = {0, 71, 100, 71, 0, -71, -100, -71};
        c.push_back(
            {cx + dx[k] * (radius - wobble - i / 8) / 100, cy + dy[k] * (radius - wobble - i / 8) / 100, i % 2 == 0});
    }
    return c;
}

// Reads a table's directory record from serialized font bytes.
struct RecordView {
    uint32_t checkSum = 0, offset = 0, length = 0;
    bool found = false;
};
inline RecordView FindRecord(std::span<const uint8_t> file, TableTag tag) {
    using Record = DirectoryRecordLayout;
    const uint16_t n = GetU16(file, OffsetTable::numTables.offset);
    for (size_t i = 0; i < n; ++i) {
        const size_t at = TableDirectorySize(i);
        if (GetU32(file, at + Record::tag.offset) == tag) {
            return {GetU32(file, at + Record::checkSum.offset), GetU32(file, at + Record::offset.offset),
                    GetU32(file, at + Record::length.offset), true};
        }
    }
    return {};
}
inline std::span<const uint8_t> TableBytes(std::span<const uint8_t> file, TableTag tag) {
    const RecordView r = FindRecord(file, tag);
    return r.found ? file.subspan(r.offset, r.length) : std::span<const uint8_t>();
}

// A small TrueType font for tests: the given glyphs, a format 4 cmap shared
// by the given encoding records (and a (3,10) format 12 subtable when asked),
// metrics advance 500 + g and side bearing g (vertical: 1000, g).
struct TinyFontRecipe {
    std::vector<std::vector<uint8_t>> glyphs;
    std::vector<CodeGlyph> codes;  // sorted by code
    std::vector<EncodingRecord> records{{0, 3}, {3, 1}};
    bool longLoca = true;
    bool format12 = false;
    bool postFormat2 = false;
    uint16_t numberOfHMetrics = 0;      // 0: one long metric per glyph
    std::vector<TableTag> extraTables;  // added with 8 zero bytes each
};

inline std::vector<uint8_t> BuildTinyFont(const TinyFontRecipe& recipe) {
    using namespace tags;
    const auto numGlyphs = static_cast<uint16_t>(recipe.glyphs.size());
    std::vector<TableTag> order{kOS2, kCmap, kGlyf, kHead, kHhea, kHmtx, kLoca, kMaxp, kName, kPost, kVhea, kVmtx};
    order.insert(order.end(), recipe.extraTables.begin(), recipe.extraTables.end());
    std::sort(order.begin(), order.end());
    CTTFMan font = CTTFMan::WithDirectory(order);
    const CTTFMan eudc = BuildEudcFont(1033, 900);
    auto copy = [&](TableTag tag) {
        const auto t = eudc.Table(tag);
        return std::vector<uint8_t>(t.begin(), t.end());
    };
    font.AppendTable(kOS2, copy(kOS2));
    font.AppendTable(kName, copy(kName));

    std::vector<uint8_t> head = copy(kHead);
    PutU16(head, 18, 1000);
    PutU16(head, 50, recipe.longLoca ? 1 : 0);
    font.AppendTable(kHead, head);
    std::vector<uint8_t> hhea = copy(kHhea);
    PutU16(hhea, 4, 800);
    const uint16_t numLong = recipe.numberOfHMetrics ? recipe.numberOfHMetrics : numGlyphs;
    PutU16(hhea, 34, numLong);
    font.AppendTable(kHhea, hhea);
    std::vector<uint8_t> vhea = copy(kVhea);
    PutU16(vhea, 34, numGlyphs);
    font.AppendTable(kVhea, vhea);
    std::vector<uint8_t> maxp = copy(kMaxp);
    PutU16(maxp, 4, numGlyphs);
    font.AppendTable(kMaxp, maxp);

    std::vector<uint8_t> post;
    AppendU32(post, recipe.postFormat2 ? 0x00020000 : 0x00030000);
    for (int i = 0; i < 7; ++i) AppendU32(post, 0);
    if (recipe.postFormat2) {
        AppendU16(post, numGlyphs);
        for (uint16_t g = 0; g < numGlyphs; ++g) AppendU16(post, g == 0 ? 0 : 258);
        for (char c : std::string("\x04name")) post.push_back(static_cast<uint8_t>(c));
    }
    font.AppendTable(kPost, post);

    std::vector<uint8_t> cmap;
    const auto format4 = BuildFormat4(recipe.codes).value();
    const auto numRecords = static_cast<uint16_t>(recipe.records.size() + (recipe.format12 ? 1 : 0));
    const uint32_t format4At = 4 + 8u * numRecords;
    const uint32_t format12At = format4At + static_cast<uint32_t>(format4.size());
    AppendU16(cmap, 0);
    AppendU16(cmap, numRecords);
    for (const EncodingRecord& r : recipe.records) {
        AppendU16(cmap, r.platformId);
        AppendU16(cmap, r.encodingId);
        AppendU32(cmap, format4At);
    }
    if (recipe.format12) {
        AppendU16(cmap, 3);
        AppendU16(cmap, 10);
        AppendU32(cmap, format12At);
    }
    cmap.insert(cmap.end(), format4.begin(), format4.end());
    if (recipe.format12) {
        AppendU16(cmap, 12);
        AppendU16(cmap, 0);
        AppendU32(cmap, 16 + 12 * static_cast<uint32_t>(recipe.codes.size()));
        AppendU32(cmap, 0);
        AppendU32(cmap, static_cast<uint32_t>(recipe.codes.size()));
        for (const CodeGlyph& p : recipe.codes) {
            AppendU32(cmap, p.code);
            AppendU32(cmap, p.code);
            AppendU32(cmap, p.glyph);
        }
    }
    font.AppendTable(kCmap, cmap);

    std::vector<uint8_t> glyf, loca, hmtx, vmtx;
    for (uint16_t g = 0; g <= numGlyphs; ++g) {
        if (recipe.longLoca) {
            AppendU32(loca, static_cast<uint32_t>(glyf.size()));
        } else {
            AppendU16(loca, static_cast<uint16_t>(glyf.size() / 2));
        }
        if (g == numGlyphs) break;
        glyf.insert(glyf.end(), recipe.glyphs[g].begin(), recipe.glyphs[g].end());
        if (glyf.size() % 2) glyf.push_back(0);
        if (g < numLong) AppendU16(hmtx, static_cast<uint16_t>(500 + g));
        AppendI16(hmtx, static_cast<int16_t>(g));
        AppendU16(vmtx, 1000);
        AppendI16(vmtx, static_cast<int16_t>(g));
    }
    font.AppendTable(kGlyf, glyf);
    font.AppendTable(kLoca, loca);
    font.AppendTable(kHmtx, hmtx);
    font.AppendTable(kVmtx, vmtx);
    for (TableTag tag : recipe.extraTables) font.AppendTable(tag, std::vector<uint8_t>(8, 0));
    return font.Serialize();
}

// A collection holding the given fonts, in order.
inline std::vector<uint8_t> BuildCollection(const std::vector<std::vector<uint8_t>>& fonts) {
    std::vector<uint8_t> out;
    AppendU32(out, CollectionHeader::kTag);
    AppendU32(out, 0x00010000);
    AppendU32(out, static_cast<uint32_t>(fonts.size()));
    const size_t offsetsAt = out.size();
    out.resize(out.size() + 4 * fonts.size());
    for (size_t i = 0; i < fonts.size(); ++i) {
        while (out.size() % 4) out.push_back(0);
        const auto base = static_cast<uint32_t>(out.size());
        PutU32(out, offsetsAt + 4 * i, base);
        out.insert(out.end(), fonts[i].begin(), fonts[i].end());
        const uint16_t numTables = GetU16(fonts[i], OffsetTable::numTables.offset);
        for (size_t t = 0; t < numTables; ++t) {
            const size_t at = base + TableDirectorySize(t) + DirectoryRecordLayout::offset.offset;
            PutU32(out, at, GetU32(out, at) + base);
        }
    }
    return out;
}

}  // namespace pelorin::truetype::testing
