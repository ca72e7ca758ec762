// Stroke-order search against the cost of simply reading the record file:
// a search by count reads one group, a search without a count scans the whole
// record file. Both open and close their files on every query.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/files/IndexFixtures_testing.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeSearch.h"

namespace tesvik::lookup {
namespace {

constexpr int kRecordsPerGroup = 1500;  // 50 groups: 75,000 records

// Fifty groups like the shipped index: counts 1 to 49 and 64.
std::vector<fixtures::StrokeLine> generatedLines() {
    std::mt19937 random(7);
    std::vector<fixtures::StrokeLine> lines;
    std::vector<int> counts;
    for (int count = 1; count <= 49; ++count) counts.push_back(count);
    counts.push_back(64);
    chars::PackedChar character = 0x3400;
    for (int count : counts) {
        const std::string key = (count < 10 ? "0" : "") + std::to_string(count);
        for (int i = 0; i < kRecordsPerGroup; ++i) {
            std::string strokes;
            for (int s = 0; s < std::min(count, 10); ++s) strokes.push_back(static_cast<char>('1' + random() % 5));
            lines.push_back({character++, key, strokes});
        }
    }
    return lines;
}

struct DataSet {
    DataSet() { fixtures::writeShippedStrokePair(shipped.path(), generatedLines()); }
    lumenar::testing::ScratchDirectory shipped;
    lumenar::testing::ScratchDirectory user;  // no user files
};

const DataSet& dataSet() {
    static const DataSet data;
    return data;
}

void searchBenchmark(benchmark::State& state, const StrokeQuery& query) {
    const DataSet& data = dataSet();
    std::size_t found = 0;
    for (auto _ : state) {
        const auto result = searchByStrokes(data.shipped.path(), data.user.path(), query);
        found = result.ok() ? result->size() : 0;
        benchmark::DoNotOptimize(found);
    }
    state.counters["candidates"] = static_cast<double>(found);
}

void BM_StrokeSearchOneGroup(benchmark::State& state) { searchBenchmark(state, {25, "", false, false}); }
BENCHMARK(BM_StrokeSearchOneGroup);

void BM_StrokeSearchOneGroupWithStrokes(benchmark::State& state) { searchBenchmark(state, {25, "25", false, false}); }
BENCHMARK(BM_StrokeSearchOneGroupWithStrokes);

void BM_StrokeSearchWholeFile(benchmark::State& state) { searchBenchmark(state, {0, "25", false, false}); }
BENCHMARK(BM_StrokeSearchWholeFile);

// The baseline: open the record file, read all its bytes, close it.
void BM_ReadRecordFileBytes(benchmark::State& state) {
    const auto path = dataSet().shipped.path() / kShippedStrokeRecordFileName;
    std::vector<char> bytes(std::filesystem::file_size(path));
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        benchmark::DoNotOptimize(read);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadRecordFileBytes);

}  // namespace
}  // namespace tesvik::lookup

BENCHMARK_MAIN();
