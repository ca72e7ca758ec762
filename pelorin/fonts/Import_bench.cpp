// Importing a 6,000-glyph library (about 100 points a glyph) into a new EUDC
// font, and, in the same run, fontTools building the same font from the same
// outlines (bench/fonttools_build.py with Debian's /usr/bin/python3).

#include "common/testing/ScratchDirectory.h"
#include "pelorin/fonts/GlyphImport.h"
#include "pelorin/pfi/PfiWriter.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using namespace pelorin;

constexpr int kGlyphs = 6000;
constexpr std::uint16_t kEm = 1024;

class QuietMessages final : public fonts::MessageSink {
public:
    void show(const std::string&) override {}
};

// Four closed contours of 26 points each, alternating on- and off-curve
// points around jittered ellipses: about 100 points a glyph.
std::vector<SourceGlyph> makeGlyphs() {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> jitter(-12, 12);
    std::vector<SourceGlyph> glyphs;
    for (int i = 0; i < kGlyphs; ++i) {
        SourceGlyph glyph;
        glyph.code = static_cast<std::uint16_t>(0xE000 + i);
        glyph.advance = kEm;
        for (int c = 0; c < 4; ++c) {
            const double cx = 260 + 500 * (c % 2), cy = 200 + 440 * (c / 2), r = 150 + 10 * (i % 7);
            SourceContour contour;
            for (int k = 0; k < 26; ++k) {
                const double angle = -2 * M_PI * k / 26;  // clockwise, as TrueType outer contours run
                const double reach = k % 2 ? r * 1.04 : r;
                contour.push_back({static_cast<std::int32_t>(cx + reach * std::cos(angle)) + jitter(random),
                                   static_cast<std::int32_t>(cy + reach * std::sin(angle)) + jitter(random),
                                   k % 2 == 0});
            }
            glyph.contours.push_back(std::move(contour));
        }
        glyphs.push_back(std::move(glyph));
    }
    return glyphs;
}

void writeOutlinesJson(const std::vector<SourceGlyph>& glyphs, const fs::path& file) {
    std::ofstream out(file);
    out << "{\"em\": " << kEm << ", \"glyphs\": [";
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        out << (i ? ",\n" : "") << "{\"code\": " << glyphs[i].code << ", \"advance\": " << glyphs[i].advance
            << ", \"contours\": [";
        for (std::size_t c = 0; c < glyphs[i].contours.size(); ++c) {
            out << (c ? ", " : "") << "[";
            const auto& contour = glyphs[i].contours[c];
            for (std::size_t p = 0; p < contour.size(); ++p)
                out << (p ? ", " : "") << "[" << contour[p].x << ", " << contour[p].y << ", "
                    << (contour[p].onCurve ? "true" : "false") << "]";
            out << "]";
        }
        out << "]}";
    }
    out << "]}\n";
}

struct Fixture {
    lumenar::testing::ScratchDirectory scratch;
    fs::path dir = scratch.path();
    fs::path library;
    fs::path outlines;

    Fixture() {
        library = dir / "library.pfi";
        outlines = dir / "outlines.json";
        const auto glyphs = makeGlyphs();
        const auto packed = PackPfiLibrary({0, kEm, kEm}, glyphs);
        if (!packed || !packed->skipped.empty() || !WritePfiFile(library, packed->bytes)) {
            std::fprintf(stderr, "cannot build the benchmark library\n");
            std::exit(1);
        }
        writeOutlinesJson(glyphs, outlines);
    }
};

Fixture& fixture() {
    static Fixture instance;
    return instance;
}

void BM_PelorinImportIntoNewEudcFont(benchmark::State& state) {
    const Fixture& f = fixture();
    QuietMessages messages;
    fonts::NoProgress progress;
    for (auto _ : state) {
        CPfiDoc library;
        if (!library.Open(f.library, {0, {}})) state.SkipWithError("cannot open the library");
        if (!fonts::writeNewEudcFont((f.dir / "pelorin.tte").string(), 0, 1033, 220, library, false, messages,
                                     progress))
            state.SkipWithError("import failed");
    }
    state.counters["glyphs"] = kGlyphs;
}
BENCHMARK(BM_PelorinImportIntoNewEudcFont)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// fontTools' own build and save time, as the script measures it.
void BM_FontToolsBuildsTheSameFont(benchmark::State& state) {
    const Fixture& f = fixture();
    const std::string script = std::string(LUMENAR_SOURCE_DIR) + "/bench/fonttools_build.py";
    for (auto _ : state) {
        const std::string command = "/usr/bin/python3 '" + script + "' '" + f.outlines.string() + "' '" +
                                    (f.dir / "fonttools.tte").string() + "'";
        std::FILE* pipe = popen(command.c_str(), "r");
        double seconds = -1;
        if (!pipe || std::fscanf(pipe, "%lf", &seconds) != 1 || pclose(pipe) != 0 || seconds < 0) {
            state.SkipWithError("fontTools build failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
    state.counters["glyphs"] = kGlyphs;
}
BENCHMARK(BM_FontToolsBuildsTheSameFont)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
