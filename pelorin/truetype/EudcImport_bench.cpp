// Writing a 6,000-glyph EUDC font (about 100 points a glyph): encoding the
// outlines, filling the slots and writing the file. The fontTools case
// builds the same font from the same outlines with bench/fonttools_eudc.py
// and reports how many times slower it is than ours.

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <sstream>

#include "pelorin/truetype/EudcFontFile.h"
#include "pelorin/truetype/OutsideTools.h"
#include "pelorin/truetype/TestFonts.h"

namespace pelorin::truetype {
namespace {

constexpr int kGlyphs = 6000;

struct LibraryGlyph {
    uint32_t code;
    std::vector<Contour> contours;
};

// Four contours of 25 points each per glyph, varied per glyph.
const std::vector<LibraryGlyph>& Library() {
    static const std::vector<LibraryGlyph> library = [] {
        std::vector<LibraryGlyph> glyphs;
        for (int i = 0; i < kGlyphs; ++i) {
            const auto seed = static_cast<uint32_t>(i);
            glyphs.push_back({0xE000u + seed,
                              {testing::Ring(64, 64, 50, 25, seed), testing::Ring(192, 64, 50, 25, seed + 1),
                               testing::Ring(64, 180, 40, 25, seed + 2), testing::Ring(192, 180, 40, 25, seed + 3)}});
        }
        return glyphs;
    }();
    return library;
}

void WriteEudc(const std::filesystem::path& path) {
    EudcFontFile eudc = EudcFontFile::Create(path, 2052, 220).value();
    for (const LibraryGlyph& g : Library()) {
        const std::vector<uint8_t> bytes = EncodeSimpleGlyph(g.contours);
        const auto xMin = static_cast<int16_t>(GetU16(bytes, 2));
        const auto yMax = static_cast<int16_t>(GetU16(bytes, 8));
        eudc.AddGlyph(g.code, bytes, {256, xMin}, {256, static_cast<int16_t>(220 - yMax)}, true).value();
    }
    if (!eudc.Close().ok()) std::abort();
}

double SecondsFor(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_EudcFontOf6000Glyphs(benchmark::State& state) {
    testing::ScratchDir dir("bench-eudc");
    Library();
    for (auto _ : state) WriteEudc(dir / "bench.tte");
    state.SetItemsProcessed(state.iterations() * kGlyphs);
}
BENCHMARK(BM_EudcFontOf6000Glyphs)->Unit(benchmark::kMillisecond);

void BM_FontToolsEudcFontOf6000Glyphs(benchmark::State& state) {
    testing::ScratchDir dir("bench-fonttools");
    const auto outlines = dir / "outlines.txt";
    {
        std::ofstream out(outlines);
        for (const LibraryGlyph& g : Library()) {
            out << std::hex << g.code << std::dec << ' ';
            for (size_t c = 0; c < g.contours.size(); ++c) {
                if (c) out << '|';
                for (size_t p = 0; p < g.contours[c].size(); ++p) {
                    const OutlinePoint& pt = g.contours[c][p];
                    out << (p ? ";" : "") << pt.x << ',' << pt.y << ',' << (pt.onCurve ? 1 : 0);
                }
            }
            out << '\n';
        }
    }
    const std::string script = std::string(LUMENAR_SOURCE_DIR) + "/pelorin/truetype/bench/fonttools_eudc.py";
    double fontTools = 0;
    for (auto _ : state) {
        const testing::CommandResult run = testing::RunCommand(
            "/usr/bin/python3 " + testing::Quoted(script) + " " + testing::Quoted(outlines) + " " +
            testing::Quoted(dir / "fonttools.tte"));
        if (run.exitCode != 0) {
            state.SkipWithError(("fontTools failed: " + run.output).c_str());
            return;
        }
        fontTools = std::stod(run.output);
        state.SetIterationTime(fontTools);
    }
    double ours = 1e9;
    for (int i = 0; i < 5; ++i) ours = std::min(ours, SecondsFor([&] { WriteEudc(dir / "ours.tte"); }));
    state.counters["ours_ms"] = ours * 1000;
    state.counters["fonttools_ms"] = fontTools * 1000;
    state.counters["fonttools_over_ours"] = fontTools / ours;
}
BENCHMARK(BM_FontToolsEudcFontOf6000Glyphs)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pelorin::truetype

BENCHMARK_MAIN();
