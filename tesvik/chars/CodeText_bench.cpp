#include "tesvik/chars/CodeText.h"
#include "tesvik/chars/Gb18030.h"

#include <benchmark/benchmark.h>

namespace tesvik::chars {
namespace {

void BM_EncodeEveryBmpScalar(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (const auto code = encodeGb18030(c)) bytes += code->size;
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * 0x10000);
}
BENCHMARK(BM_EncodeEveryBmpScalar);

void BM_Gb18030CodeTextOfASelection(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(gb18030CodeText(0xD840DC00));
}
BENCHMARK(BM_Gb18030CodeTextOfASelection);

void BM_SwitchGb18030TextToUnicode(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(switchCodeFormat("8139EE39", CodeFormat::Unicode));
}
BENCHMARK(BM_SwitchGb18030TextToUnicode);

}  // namespace
}  // namespace tesvik::chars

BENCHMARK_MAIN();
