// Engine time of the pinyin and symbol queries on the shipped data.

#include "tesvik/display/PinyinSearch.h"
#include "tesvik/display/SymbolLookup.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

const std::filesystem::path DataDir = LUMENAR_DATA_DIR;

void BM_PinyinSearchAnyTone(benchmark::State& state) {
    const auto index = tesvik::PinyinIndex::load(DataDir / "pinyin.idx").value();
    const auto entries = tesvik::PinyinEntries::load(DataDir / "pinyin.data").value();
    for (auto _ : state) {
        auto results = tesvik::searchPinyin("zhang", tesvik::PinyinTone::Any, index, entries);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_PinyinSearchAnyTone);

void BM_PinyinSearchSpecialQuery(benchmark::State& state) {
    const tesvik::PinyinIndex index;
    const tesvik::PinyinEntries entries;
    for (auto _ : state) {
        auto results = tesvik::searchPinyin("zzzz", tesvik::PinyinTone::First, index, entries);
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_PinyinSearchSpecialQuery);

void BM_SymbolSubsetOfThePrivateUseArea(benchmark::State& state) {
    for (auto _ : state) {
        auto codes = tesvik::symbolSubsetCharacters(32);
        benchmark::DoNotOptimize(codes);
    }
}
BENCHMARK(BM_SymbolSubsetOfThePrivateUseArea);

}  // namespace

BENCHMARK_MAIN();
