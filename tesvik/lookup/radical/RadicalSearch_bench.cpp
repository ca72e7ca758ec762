// Radical search over newmb.dat and character search under one radical, on
// generated files of 70,000 records each, next to the time it takes to read
// the whole radical table and radical record file from the page cache.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/radical/RadicalCharSearch.h"
#include "tesvik/lookup/radical/RadicalFixtures_testing.h"
#include "tesvik/lookup/radical/RadicalSearch.h"

namespace tesvik::lookup {
namespace {

using namespace fixtures;

constexpr std::size_t kRecordCount = 70000;

std::string randomStrokes(std::mt19937& random, std::size_t length) {
    std::string out(length, '0');
    for (char& c : out) c = static_cast<char>('1' + random() % 5);
    return out;
}

// Generated once, in two directories of 70,000 radical records each:
// - spread: the records filed under 300 radical keys with sizes falling off
//   as in a real radical index (the largest, "03AA", holds about 4,600);
// - oneRadical: radical "03AA" holds all but two records, the worst case for
//   a search under one radical.
class DataSet {
public:
    DataSet() {
        std::mt19937 random(1);
        std::vector<RadicalLine> radicals;
        for (std::size_t i = 0; i < kRecordCount; ++i) {
            radicals.push_back({static_cast<chars::PackedChar>(0x2E80 + i % 0x160),
                                "0" + std::to_string(1 + random() % 9), randomStrokes(random, 1 + random() % 12),
                                std::string(1 + random() % 6, 'a' + random() % 26),
                                "A" + std::to_string(random() % 10)});
        }
        std::filesystem::create_directories(oneRadical());
        std::filesystem::create_directories(userDir());
        writeRadicalTable(spread(), radicals);
        writeRadicalPair(shippedRadicalPair(spread()), spreadRecords(random));
        writeRadicalPair(shippedRadicalPair(oneRadical()), oneRadicalRecords(random));
    }

    std::filesystem::path spread() const { return dir_.path(); }
    std::filesystem::path oneRadical() const { return dir_.path() / "one"; }
    std::filesystem::path userDir() const { return dir_.path() / "user"; }

private:
    static RadicalCharLine record(std::mt19937& random, std::string key, std::size_t i) {
        return {std::move(key), static_cast<chars::PackedChar>(0x4E00 + i % 0x5000),
                "0" + std::to_string(random() % 10), randomStrokes(random, 4)};
    }

    // Group k of 300 gets a share proportional to 1 / (k + 1), "03AA" first.
    static std::vector<RadicalCharLine> spreadRecords(std::mt19937& random) {
        constexpr std::size_t kKeys = 300;
        double harmonic = 0;
        for (std::size_t k = 0; k < kKeys; ++k) harmonic += 1.0 / static_cast<double>(k + 1);
        std::vector<RadicalCharLine> records;
        for (std::size_t k = 0; k < kKeys && records.size() < kRecordCount; ++k) {
            char key[8];
            std::snprintf(key, sizeof key, "%02zu%c%c", 1 + k % 17, 'A' + static_cast<char>(k / 17 % 26),
                          'A' + static_cast<char>(k % 26));
            const std::string name = k == 0 ? "03AA" : key;
            const auto share = static_cast<std::size_t>(kRecordCount / harmonic / static_cast<double>(k + 1)) + 1;
            for (std::size_t i = 0; i < share && records.size() < kRecordCount; ++i)
                records.push_back(record(random, name, i));
        }
        while (records.size() < kRecordCount) records.push_back(record(random, "17ZZ", records.size()));
        return records;
    }

    static std::vector<RadicalCharLine> oneRadicalRecords(std::mt19937& random) {
        std::vector<RadicalCharLine> records{{"01B1", 0x4E00, "00", ""}};
        for (std::size_t i = 1; i + 1 < kRecordCount; ++i) records.push_back(record(random, "03AA", i));
        records.push_back({"04E1", 0x706B, "00", ""});
        return records;
    }

    lumenar::testing::ScratchDirectory dir_;
};

const DataSet& dataSet() {
    static const DataSet set;
    return set;
}

std::vector<unsigned char> readWholeFile(const std::filesystem::path& path) {
    std::vector<unsigned char> bytes(std::filesystem::file_size(path));
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return {};
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bytes.resize(read);
    return bytes;
}

void BM_ReadRadicalTableBytes(benchmark::State& state) {
    const auto path = dataSet().spread() / RadicalTableFileName;
    for (auto _ : state) benchmark::DoNotOptimize(readWholeFile(path));
}
BENCHMARK(BM_ReadRadicalTableBytes)->Unit(benchmark::kMicrosecond);

void BM_SearchRadicals(benchmark::State& state) {
    const RadicalQuery query{"25", "", ""};
    for (auto _ : state) benchmark::DoNotOptimize(searchRadicals(dataSet().spread(), query));
}
BENCHMARK(BM_SearchRadicals)->Unit(benchmark::kMicrosecond);

void BM_ReadRadicalRecordBytes(benchmark::State& state) {
    const auto path = dataSet().spread() / ShippedRadicalRecordFileName;
    for (auto _ : state) benchmark::DoNotOptimize(readWholeFile(path));
}
BENCHMARK(BM_ReadRadicalRecordBytes)->Unit(benchmark::kMicrosecond);

// Remaining 0 with a stroke: every remaining count is read, a fifth of the
// records match.
void searchUnder03AA(benchmark::State& state, const std::filesystem::path& dataDir) {
    const auto key = radicalKey("03AA");
    const RadicalCharQuery query{0, "1", false};
    for (auto _ : state) benchmark::DoNotOptimize(searchByRadical(dataDir, dataSet().userDir(), key, query));
}

void BM_SearchByRadical(benchmark::State& state) { searchUnder03AA(state, dataSet().spread()); }
BENCHMARK(BM_SearchByRadical)->Unit(benchmark::kMicrosecond);

void BM_SearchByRadicalHoldingEveryRecord(benchmark::State& state) { searchUnder03AA(state, dataSet().oneRadical()); }
BENCHMARK(BM_SearchByRadicalHoldingEveryRecord)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tesvik::lookup

BENCHMARK_MAIN();
