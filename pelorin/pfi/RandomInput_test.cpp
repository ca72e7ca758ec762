// Mutated libraries and records, from a fixed seed: reading, decoding and
// converting them must never step outside the input or the room given,
// whatever the bytes say. Meant to run under the sanitizers.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "pelorin/pfi/GlyphConverter.h"
#include "pelorin/pfi/GlyphDecoder.h"
#include "pelorin/pfi/PfiDoc.h"
#include "pelorin/pfi/PfiWriter.h"
#include "pelorin/pfi/SimpleGlyphReader_testing.h"

namespace pelorin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes WriterLibrary(std::mt19937& random) {
    std::uniform_int_distribution<int> coordinate(-300, 1200);
    std::bernoulli_distribution off(0.3);
    std::vector<SourceGlyph> glyphs;
    for (std::uint16_t code = 0xAAA1; code < 0xAAA1 + 24; ++code) {
        SourceGlyph g{code, 500, {}};
        for (int c = 0; c < 1 + code % 3; ++c) {
            SourceContour contour;
            for (int i = 0; i < 3 + (code * 7 + c) % 20; ++i) {
                contour.push_back({coordinate(random), coordinate(random), !off(random)});
            }
            g.contours.push_back(contour);
        }
        glyphs.push_back(g);
    }
    return PackPfiLibrary({936, 1000, 1000}, glyphs)->bytes;
}

Bytes FixtureLibrary() {
    std::ifstream in(LUMENAR_FIXTURES_DIR "/pfi/edge-cases.pfi", std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Mutate(Bytes& bytes, std::mt19937& random) {
    static constexpr std::uint8_t kInteresting[] = {0x00, 0x01, 0x7B, 0x7C, 0x7F, 0x80, 0xEE, 0xEF, 0xFF};
    std::uniform_int_distribution<int> kind(0, 5);
    const int edits = 1 + static_cast<int>(random() % 6);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const std::size_t at = random() % bytes.size();
        switch (kind(random)) {
            case 0:
                bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
                break;
            case 1:
                bytes[at] = kInteresting[random() % std::size(kInteresting)];
                break;
            case 2:
                bytes[at] = static_cast<std::uint8_t>(random());
                break;
            case 3:
                bytes.resize(at);
                break;
            case 4:
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), static_cast<std::uint8_t>(random()));
                break;
            case 5:
                bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at));
                break;
        }
    }
}

void CheckGlyph(const lumenar::Result<ConvertedGlyph, PfiError>& glyph) {
    if (!glyph.ok() || glyph->data.empty()) return;
    ASSERT_EQ(glyph->data.size() % 2, 0u);
    ASSERT_LE(glyph->pointCount, kMaxConvertedPoints);
    const auto read = testing::ReadSimpleGlyph(glyph->data);
    ASSERT_TRUE(read.has_value());
    std::size_t points = 0;
    for (const auto& contour : read->contours) points += contour.size();
    ASSERT_EQ(points, glyph->pointCount);
}

TEST(RandomInputTest, MutatedLibrariesOpenDecodeAndConvertSafely) {
    std::mt19937 random(4041);
    const std::vector<Bytes> bases = {WriterLibrary(random), FixtureLibrary()};
    ASSERT_GT(bases[1].size(), 12u);
    GlyphConverter converter;
    Bytes out(kGlyphDataRoom);
    std::vector<OutlineSegment> room;
    for (int round = 0; round < 1500; ++round) {
        Bytes bytes = bases[round % 2];
        Mutate(bytes, random);
        CPfiDoc doc;
        if (!doc.OpenBytes(bytes, "fuzz.pfi", {0, {}})) continue;
        ASSERT_EQ(doc.EudcCodes().size() + doc.OtherCodes().size(), doc.GlyphCount());
        for (std::size_t k = 0; k < doc.Entries().size() && k < 30; ++k) {
            const std::uint16_t code = doc.Entries()[k].code;
            const auto record = doc.FindGlyph(code);
            if (!record) continue;
            // The room old callers give: one record per byte.
            room.assign(record->bytes.size(), OutlineSegment{});
            const auto count = DecodeGlyph(record->bytes, room);
            if (count) {
                ASSERT_LE(*count, room.size());
            }
            const bool smooth = (round + k) % 2 == 0;
            CheckGlyph(
                converter.Convert(doc, code, {static_cast<std::uint16_t>(256 << (round % 4)), 220}, smooth, out));
        }
    }
}

TEST(RandomInputTest, MutatedRecordsDecodeAndConvertSafely) {
    std::mt19937 random(7);
    CPfiDoc doc;
    ASSERT_TRUE(doc.OpenBytes(WriterLibrary(random), "base.pfi", {}));
    std::vector<Bytes> records;
    for (std::uint16_t code : doc.EudcCodes()) {
        const auto record = doc.FindGlyph(code);
        records.emplace_back(record->bytes.begin(), record->bytes.end());
    }
    GlyphConverter converter;
    Bytes out(kGlyphDataRoom);
    std::vector<OutlineSegment> segments;
    for (int round = 0; round < 20000; ++round) {
        Bytes record = records[round % records.size()];
        Mutate(record, random);
        segments.assign(SegmentRoomFor(record.size()), OutlineSegment{});
        const auto count = DecodeGlyph(record, segments);
        if (!count) {
            ASSERT_EQ(count.error().code, PfiErrorCode::Malformed);
            ASSERT_FALSE(count.error().detail.empty());
            continue;
        }
        ASSERT_LE(*count, segments.size());
        const auto outline = std::span<const OutlineSegment>(segments).first(*count);
        CheckGlyph(converter.ConvertOutline(outline, {1000, 500}, {2048, 1800}, round % 2 == 0, out));
    }
}

}  // namespace
}  // namespace pelorin
