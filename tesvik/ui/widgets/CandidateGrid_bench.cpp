// Filling the largest grid: 20,000 candidates (the size of the largest symbol
// subset and of a whole stroke group), then drawing the cells in view.
#include "tesvik/ui/widgets/CandidateGrid.h"
#include "tesvik/ui/widgets/GlyphCoverageCache.h"
#include "tesvik/ui/widgets/TestApplication_testing.h"

#include <QPixmap>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

namespace {

constexpr int kLargestGrid = 20000;

// Unified ideographs, then Extension A, then Extension B scalars, as a stroke
// group mixes them.
std::vector<std::uint32_t> largestGroup() {
    std::vector<std::uint32_t> values;
    for (std::uint32_t c = 0x4E00; values.size() < 12000; ++c) values.push_back(c);
    for (std::uint32_t c = 0x3400; values.size() < 16000; ++c) values.push_back(c);
    for (std::uint32_t c = 0x20000; values.size() < kLargestGrid; ++c) values.push_back(c);
    return values;
}

// Arguments: 0 without a glyph coverage, 1 with the installed fonts'
// coverage, 2 with it and undrawable characters hidden.
void BM_FillLargestGrid(benchmark::State& state) {
    tesvik::ui::testing::testApplication();
    tesvik::ui::GridLook look;
    look.scalarsAccepted = true;
    tesvik::ui::CandidateGrid grid(look);
    grid.resize(760, 330);
    grid.setAppearance({}, QString());
    if (state.range(0) > 0) grid.setGlyphCoverage(tesvik::ui::glyphCoverageOf(QString()), state.range(0) == 2);
    const std::vector<std::uint32_t> values = largestGroup();
    for (auto _ : state) {
        grid.setCandidates(values);
        QPixmap shown = grid.viewport()->grab();
        benchmark::DoNotOptimize(shown);
    }
    state.SetItemsProcessed(state.iterations() * kLargestGrid);
}
BENCHMARK(BM_FillLargestGrid)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Computing the coverage once per font setting.
void BM_GlyphCoverageOfTheDefaultFont(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(platform::GlyphCoverage::forFamily(""));
}
BENCHMARK(BM_GlyphCoverageOfTheDefaultFont)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
