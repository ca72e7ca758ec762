#include "tesvik/lookup/stroke/UserStrokeRegeneration.h"

#include "tesvik/lookup/files/Scrambling.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeRecords.h"

namespace tesvik::lookup {
namespace {

void appendIndexEntry(std::vector<std::uint8_t>& index, StrokeCountKey key, std::uint32_t firstRecord) {
    const auto bytes = encodeStrokeIndexEntry(StrokeIndexEntry{key, firstRecord});
    index.insert(index.end(), bytes.begin(), bytes.end());
}

}  // namespace

IndexPairBytes deriveUserStrokeFiles(std::span<const std::uint8_t> table) {
    IndexPairBytes files;
    const std::size_t rowCount = table.size() / UserStrokeRowSize;
    files.records.reserve(rowCount * StrokeRecordSize);
    std::uint32_t groupStart = 0;
    std::uint32_t groupSize = 0;
    StrokeCountKey groupKey;
    for (std::size_t i = 0; i < rowCount; ++i) {
        const auto row = decodeUserStrokeRow(
            std::span<const std::uint8_t, UserStrokeRowSize>(table.data() + i * UserStrokeRowSize, UserStrokeRowSize));
        auto record = encodeStrokeRecord(strokeRecordFromRow(row));
        scrambleBytes(record);
        files.records.insert(files.records.end(), record.begin(), record.end());

        if (i > 0 && row.count == groupKey) {
            ++groupSize;
            continue;
        }
        groupStart += groupSize;
        groupKey = row.count;
        groupSize = 1;
        appendIndexEntry(files.index, groupKey, groupStart);
    }
    appendIndexEntry(files.index, StrokeIndexEndKey, groupStart + groupSize);
    return files;
}

UserTableFiles userStrokeTableFiles(const std::filesystem::path& userDir) {
    return {userDir / UserStrokeTableFileName, userDir / UserStrokeIndexFileName, userDir / UserStrokeRecordFileName,
            deriveUserStrokeFiles};
}

lumenar::Status<Message> regenerateUserStrokeFiles(const std::filesystem::path& userDir) {
    return regenerateIndexPair(userStrokeTableFiles(userDir));
}

}  // namespace tesvik::lookup
