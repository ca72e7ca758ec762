// Engine time of the symbol page's largest query.

#include "tesvik/lookup/symbol/SymbolLookup.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SymbolSubsetOfThePrivateUseArea(benchmark::State& state) {
    for (auto _ : state) {
        auto codes = tesvik::lookup::symbolSubsetCharacters(32);
        benchmark::DoNotOptimize(codes);
    }
}
BENCHMARK(BM_SymbolSubsetOfThePrivateUseArea);

}  // namespace

BENCHMARK_MAIN();
