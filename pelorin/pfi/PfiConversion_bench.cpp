// Converting a whole library: 6,000 glyphs of about 100 points each, as an
// import into a font does it (look-up, decoding, conversion per code).

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "pelorin/pfi/GlyphConverter.h"
#include "pelorin/pfi/PfiDoc.h"
#include "pelorin/pfi/PfiWriter.h"

namespace pelorin {
namespace {

constexpr int kGlyphs = 6000;

// Three closed shapes of 34 points each, alternating on- and off-points on
// a wobbly ellipse.
std::vector<SourceGlyph> SampleGlyphs() {
    std::mt19937 random(6000);
    std::uniform_int_distribution<int> wobble(-20, 20);
    std::vector<SourceGlyph> glyphs;
    for (int g = 0; g < kGlyphs; ++g) {
        SourceGlyph glyph{static_cast<std::uint16_t>(0xE000 + g), 1000, {}};
        for (int c = 0; c < 3; ++c) {
            SourceContour contour;
            for (int i = 0; i < 34; ++i) {
                const double a = 2 * 3.14159265358979 * i / 34;
                contour.push_back({static_cast<std::int32_t>(150 + 300 * c + 120 * std::cos(a)) + wobble(random),
                                   static_cast<std::int32_t>(400 + 350 * std::sin(a)) + wobble(random), i % 2 == 0});
            }
            glyph.contours.push_back(contour);
        }
        glyphs.push_back(glyph);
    }
    return glyphs;
}

const std::vector<std::uint8_t>& SampleLibrary() {
    static const std::vector<std::uint8_t> bytes = PackPfiLibrary({0, 1000, 1000}, SampleGlyphs())->bytes;
    return bytes;
}

void BM_ConvertLibrary(benchmark::State& state) {
    CPfiDoc doc;
    if (!doc.OpenBytes(SampleLibrary(), "bench.pfi", {})) state.SkipWithError("library does not open");
    const bool smooth = state.range(0) != 0;
    GlyphConverter converter;
    std::vector<std::uint8_t> out(kGlyphDataRoom);
    std::size_t points = 0;
    for (auto _ : state) {
        points = 0;
        for (std::uint16_t code : doc.EudcCodes()) {
            const auto glyph = converter.Convert(doc, code, {256, 220}, smooth, out);
            points += glyph->pointCount;
            benchmark::DoNotOptimize(glyph->data.data());
        }
    }
    state.counters["glyphs"] = static_cast<double>(doc.EudcCodes().size());
    state.counters["points"] = static_cast<double>(points);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(doc.EudcCodes().size()));
}
BENCHMARK(BM_ConvertLibrary)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_OpenLibrary(benchmark::State& state) {
    for (auto _ : state) {
        CPfiDoc doc;
        benchmark::DoNotOptimize(doc.OpenBytes(SampleLibrary(), "bench.pfi", {}).ok());
    }
}
BENCHMARK(BM_OpenLibrary)->Unit(benchmark::kMillisecond);

void BM_PackLibrary(benchmark::State& state) {
    const std::vector<SourceGlyph> glyphs = SampleGlyphs();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PackPfiLibrary({0, 1000, 1000}, glyphs)->bytes.size());
    }
}
BENCHMARK(BM_PackLibrary)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelorin

BENCHMARK_MAIN();
