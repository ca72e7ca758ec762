// Engine time of the pinyin queries on the shipped data.

#include "tesvik/lookup/pinyin/PinyinSearch.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

const std::filesystem::path kDataDir = LUMENAR_DATA_DIR;

void BM_PinyinSearchAnyTone(benchmark::State& state) {
    const auto index = tesvik::lookup::PinyinIndex::load(kDataDir / "pinyin.idx").value();
    const auto entries = tesvik::lookup::PinyinEntries::load(kDataDir / "pinyin.data").value();
    for (auto _ : state) {
        auto results = tesvik::lookup::searchPinyin("zhang", tesvik::lookup::PinyinTone::Any, index, entries);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_PinyinSearchAnyTone);

void BM_PinyinSearchSpecialQuery(benchmark::State& state) {
    const tesvik::lookup::PinyinIndex index;
    const tesvik::lookup::PinyinEntries entries;
    for (auto _ : state) {
        auto results = tesvik::lookup::searchPinyin("zzzz", tesvik::lookup::PinyinTone::First, index, entries);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_PinyinSearchSpecialQuery);

}  // namespace

BENCHMARK_MAIN();
