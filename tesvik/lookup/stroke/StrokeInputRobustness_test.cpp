// Random and mutated stroke index files: the readers, the search and the
// regeneration must stay inside the files and finish, whatever the bytes.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "common/testing/ScratchDirectory.h"
#include "tesvik/lookup/files/IndexFixtures_testing.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeSearch.h"
#include "tesvik/lookup/stroke/UserStrokeRegeneration.h"

namespace tesvik::lookup {
namespace {

using Bytes = std::vector<std::uint8_t>;

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : random_(seed) {}

    std::size_t below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    std::uint8_t byte() { return static_cast<std::uint8_t>(below(256)); }

    Bytes randomBytes(std::size_t maxLength) {
        Bytes bytes(below(maxLength + 1));
        for (auto& b : bytes) b = byte();
        return bytes;
    }

    // A valid file with a few bytes changed, cut short or lengthened.
    Bytes mutate(Bytes bytes) {
        switch (below(4)) {
            case 0:
                for (std::size_t i = below(4) + 1; i > 0 && !bytes.empty(); --i) bytes[below(bytes.size())] = byte();
                break;
            case 1:
                bytes.resize(below(bytes.size() + 1));
                break;
            case 2:
                for (std::size_t i = below(20); i > 0; --i) bytes.push_back(byte());
                break;
            default:
                return randomBytes(bytes.size() + 20);
        }
        return bytes;
    }

    // An index whose entries point at small, possibly out-of-range records.
    Bytes scatteredIndex(std::size_t recordCount) {
        std::vector<StrokeIndexEntry> entries(below(60));
        for (auto& entry : entries) {
            const char tens = static_cast<char>('0' + below(8));
            entry.key =
                below(10) == 0 ? kStrokeIndexEndKey : StrokeCountKey{{tens, static_cast<char>('0' + below(10))}};
            entry.firstRecord = static_cast<std::uint32_t>(below(recordCount + 4));
        }
        return fixtures::strokeIndexFileBytes(entries);
    }

    StrokeQuery query() {
        static const std::vector<std::uint32_t> counts = {0, 1, 4, 5, 7, 8, 49, 50, 63, 64, 65, 99, 123};
        StrokeQuery q;
        q.count = counts[below(counts.size())];
        for (std::size_t i = below(12); i > 0; --i) q.strokes.push_back(static_cast<char>('1' + below(5)));
        q.tolerance = below(2) == 1;
        return q;
    }

private:
    std::mt19937 random_;
};

std::vector<fixtures::StrokeLine> validLines() {
    std::vector<fixtures::StrokeLine> lines;
    for (int count = 1; count <= 64; count += (count < 50 ? 1 : 14)) {
        const std::string key = (count < 10 ? "0" : "") + std::to_string(count);
        for (int i = 0; i < 2; ++i)
            lines.push_back({static_cast<chars::PackedChar>(0x4E00 + count * 2 + i), key, "25"});
    }
    return lines;
}

TEST(StrokeInputRobustness, SearchAndReadersSurviveDamagedFiles) {
    const auto lines = validLines();
    const Bytes validIndex = fixtures::strokeIndexFileBytes(fixtures::groupIndexFor(lines));
    const Bytes validRecords = fixtures::strokeRecordFileBytes(lines);
    const Bytes validTable = fixtures::userStrokeTableBytes(
        std::vector<fixtures::UserStrokeLine>{{"05", "25", 0xE001}, {"05", "1", 0xE002}, {"12", "2", 0xE003}});

    lumenar::testing::ScratchDirectory shipped;
    lumenar::testing::ScratchDirectory user;
    Mutator mutator(20251210);
    for (int iteration = 0; iteration < 1500; ++iteration) {
        const Bytes records = mutator.mutate(validRecords);
        const std::size_t recordCount = records.size() / kStrokeRecordSize;
        const Bytes index = mutator.below(2) ? mutator.mutate(validIndex) : mutator.scatteredIndex(recordCount);
        fixtures::writeBytes(shipped.path() / kShippedStrokeIndexFileName, index);
        fixtures::writeBytes(shipped.path() / kShippedStrokeRecordFileName, records);
        fixtures::writeBytes(user.path() / kUserStrokeTableFileName, mutator.mutate(validTable));
        (void)regenerateUserStrokeFiles(user.path());
        if (mutator.below(3) == 0) {
            fixtures::writeBytes(user.path() / kUserStrokeIndexFileName, mutator.scatteredIndex(3));
        }

        const auto userRecords = openStrokeRecords(user.path() / kUserStrokeRecordFileName);
        const std::uint64_t userCount = userRecords ? userRecords->recordCount() : 0;

        const StrokeQuery query = mutator.query();
        const auto found = searchByStrokes(shipped.path(), user.path(), query);
        ASSERT_TRUE(found.ok());
        ASSERT_LE(found->size(), recordCount + userCount);

        const auto entries = readStrokeIndex(shipped.path() / kShippedStrokeIndexFileName);
        ASSERT_TRUE(entries.ok());
        ASSERT_EQ(entries->size(), index.size() / kStrokeIndexEntrySize);
        auto file = openStrokeRecords(shipped.path() / kShippedStrokeRecordFileName);
        ASSERT_TRUE(file.ok());
        ASSERT_EQ(file->recordCount(), recordCount);
        ASSERT_FALSE(readStrokeRecord(*file, recordCount).has_value());
        if (recordCount > 0) {
            ASSERT_TRUE(readStrokeRecord(*file, recordCount - 1).has_value());
        }
    }
}

}  // namespace
}  // namespace tesvik::lookup
