// Engine time of everyday lookups on the shipped data: the stroke-order
// search 7 / 一丨, a radical by pinyin, and the characters under one radical.
// Each search opens, reads and closes its files, as the pages do.

#include <benchmark/benchmark.h>

#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalSearch.h"
#include "tesvik/lookup/stroke/StrokeSearch.h"

namespace tesvik::lookup {
namespace {

const std::filesystem::path kData = LUMENAR_DATA_DIR;
const std::filesystem::path kNoUserFiles = "/nonexistent";

void BM_ShippedStrokeSearchSevenStartingWith12(benchmark::State& state) {
    StrokeQuery query;
    query.count = 7;
    query.strokes = "12";
    for (auto _ : state) {
        auto found = searchByStrokes(kData, kNoUserFiles, query);
        if (!found) state.SkipWithError("stroke search failed");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_ShippedStrokeSearchSevenStartingWith12);

void BM_ShippedRadicalSearchByPinyin(benchmark::State& state) {
    RadicalQuery query;
    query.pinyin = "shui";
    for (auto _ : state) benchmark::DoNotOptimize(searchRadicals(kData, query));
}
BENCHMARK(BM_ShippedRadicalSearchByPinyin);

void BM_ShippedCharactersUnderOneRadical(benchmark::State& state) {
    const auto key = RadicalKey::fromText("03D4");  // 氵
    RadicalCharQuery query;
    query.remaining = 3;
    for (auto _ : state) {
        auto found = searchByRadical(kData, kNoUserFiles, key, query);
        if (found.stoppedBy) state.SkipWithError("radical search failed");
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_ShippedCharactersUnderOneRadical);

}  // namespace
}  // namespace tesvik::lookup

BENCHMARK_MAIN();
