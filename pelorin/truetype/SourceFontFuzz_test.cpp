// Mutated font files through every reader a source font offers: the
// sanitizer build turns any read outside the file into a failure.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>

#include "common/testing/ScratchDirectory.h"
#include "pelorin/truetype/EudcFontFile.h"
#include "pelorin/truetype/GlyphOutlineReader.h"
#include "pelorin/truetype/SourceFont.h"
#include "pelorin/truetype/TestFonts_testing.h"

namespace pelorin::truetype {
namespace {

using testing::BuildTinyFont;
using testing::SquareGlyph;
using testing::TinyFontRecipe;

std::vector<uint8_t> CompositeOf(uint16_t glyph, bool pointMatching) {
    std::vector<uint8_t> out;
    AppendI16(out, -1);
    for (int i = 0; i < 4; ++i) AppendI16(out, 0);
    AppendU16(out, pointMatching ? 0x0020 : 0x0022 | 0x0008);
    AppendU16(out, glyph);
    out.push_back(3);
    out.push_back(1);
    if (!pointMatching) AppendU16(out, 0x3000);
    AppendU16(out, 0x0002);
    AppendU16(out, glyph);
    out.push_back(2);
    out.push_back(0);
    return out;
}

std::vector<std::vector<uint8_t>> Seeds() {
    TinyFontRecipe recipe;
    const std::vector<Contour> curvy{{{0, 0, true}, {40, 90, false}, {80, 0, false}, {120, 40, true}}};
    recipe.glyphs = {SquareGlyph(0, 0, 10), EncodeSimpleGlyph(curvy), CompositeOf(1, false), CompositeOf(1, true), {}};
    recipe.codes = {{0x41, 1}, {0x42, 2}, {0x43, 3}, {0x4E00, 4}};
    recipe.format12 = true;
    std::vector<std::vector<uint8_t>> seeds{BuildTinyFont(recipe)};
    recipe.longLoca = false;
    recipe.numberOfHMetrics = 2;
    recipe.format12 = false;
    seeds.push_back(BuildTinyFont(recipe));
    seeds.push_back(testing::BuildCollection({seeds[0], seeds[1]}));
    return seeds;
}

void Mutate(std::vector<uint8_t>& bytes, std::mt19937& rng) {
    static constexpr uint32_t kInteresting[] = {0,      1,      2,      0x7F,       0x80,      0xFF,
                                                0x7FFF, 0x8000, 0xFFFF, 0xFFFFFFFF, 0x7FFFFFFF};
    const int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits && !bytes.empty(); ++e) {
        const size_t at = rng() % bytes.size();
        switch (rng() % 5) {
            case 0:
                bytes[at] ^= static_cast<uint8_t>(1u << (rng() % 8));
                break;
            case 1:
                bytes[at] = static_cast<uint8_t>(rng());
                break;
            case 2:
                if (at + 2 <= bytes.size())
                    PutU16(bytes, at, static_cast<uint16_t>(kInteresting[rng() % std::size(kInteresting)]));
                break;
            case 3:
                if (at + 4 <= bytes.size()) PutU32(bytes, at, kInteresting[rng() % std::size(kInteresting)]);
                break;
            case 4:
                bytes.resize(at);
                break;
        }
    }
}

// Drives every read; the results themselves do not matter here.
size_t Exercise(const SourceFont& font) {
    size_t seen = font.EnumerateCodes().size();
    for (uint32_t code : {0x41u, 0x42u, 0x43u, 0x4E00u, 0xFFFFu, 0x20000u}) seen += font.GlyphForCode(code);
    const uint16_t glyphs = std::min<uint16_t>(font.NumGlyphs(), 64);
    for (uint16_t g = 0; g < glyphs; ++g) {
        seen += font.GetGlyph(g).size();
        seen += font.GetMetrics(g).horizontal.advance;
        if (auto outline = ReadGlyphOutlineByIndex(font, g); outline.ok()) seen += outline->contours.size();
    }
    uint8_t buffer[16];
    seen += font.ReadTable(tags::kCmap, 2, buffer);
    return seen;
}

TEST(SourceFontFuzz, MutatedFilesNeverReadOutOfBounds) {
    const auto seeds = Seeds();
    for (const auto& seed : seeds) {
        for (uint32_t face : {0u, 1u}) {
            auto font = SourceFont::FromBytes(seed, face);
            if (font.ok()) {
                EXPECT_GT(Exercise(*font), 0u);
            }
        }
    }
    std::mt19937 rng(20261210);
    size_t opened = 0;
    for (int i = 0; i < 4000; ++i) {
        std::vector<uint8_t> bytes = seeds[rng() % seeds.size()];
        Mutate(bytes, rng);
        for (uint32_t face : {0u, 1u}) {
            auto font = SourceFont::FromBytes(bytes, face);
            if (!font.ok()) continue;
            ++opened;
            Exercise(*font);
        }
        if (auto parsed = CTTFMan::Parse(bytes); parsed.ok()) parsed->Serialize();
    }
    EXPECT_GT(opened, 700u);  // the mutations must leave most files readable, or they test nothing
}

// Damaged EUDC files opened for merging: refused or read within bounds,
// and anything opened still takes a glyph and writes out.
TEST(EudcFontFileFuzz, DamagedEudcFilesAreRefusedOrReadSafely) {
    lumenar::testing::ScratchDirectory dir;
    EudcFontFile fresh = EudcFontFile::Create(dir / "seed.tte", 2052, 900).value();
    ASSERT_TRUE(fresh.AddGlyph(0xE000, SquareGlyph(1, 1, 50), {256, 1}, {256, 2}, true).ok());
    const std::vector<uint8_t> seed = fresh.Serialize();
    const auto loca = testing::FindRecord(seed, tags::kLoca);
    std::mt19937 rng(77);
    size_t opened = 0;
    for (int i = 0; i < 150; ++i) {
        std::vector<uint8_t> bytes = seed;
        // Aim half of the edits at the header, directory and small tables, the rest at loca's first slots.
        std::vector<uint8_t> head(bytes.begin(), bytes.begin() + 1024);
        Mutate(head, rng);
        std::copy(head.begin(), head.end(), bytes.begin());
        if (head.size() < 1024) bytes.resize(head.size());
        if (rng() % 2 && bytes.size() > loca.offset + 64)
            PutU32(bytes, loca.offset + 4 * (rng() % 16), rng() % 0x40000);
        const auto path = dir / "damaged.tte";
        std::ofstream(path, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        auto eudc = EudcFontFile::OpenForMerge(path);
        if (!eudc.ok()) continue;
        ++opened;
        ASSERT_TRUE(eudc->AddGlyph(0xE001, SquareGlyph(2, 2, 40), {256, 2}, {256, 3}, true).ok());
        EXPECT_GT(eudc->Serialize().size(), 0u);
    }
    EXPECT_GT(opened, 15u);
}

}  // namespace
}  // namespace pelorin::truetype
