#include "tesvik/lookup/stroke/UserStrokeRegeneration.h"

#include "tesvik/lookup/files/FixedRecords.h"
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
    const auto rows = decodeWholeRecords<UserStrokeRowSize>(table, decodeUserStrokeRow);
    std::optional<StrokeCountKey> groupKey;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        if (rows[n].count != groupKey) {
            groupKey = rows[n].count;
            appendIndexEntry(files.index, rows[n].count, static_cast<std::uint32_t>(n));
        }
        auto record = encodeStrokeRecord(strokeRecordFromRow(rows[n]));
        scrambleBytes(record);
        files.records.insert(files.records.end(), record.begin(), record.end());
    }
    appendIndexEntry(files.index, StrokeIndexEndKey, static_cast<std::uint32_t>(rows.size()));
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
