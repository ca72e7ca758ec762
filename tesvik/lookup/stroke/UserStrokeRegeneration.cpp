#include "tesvik/lookup/stroke/UserStrokeRegeneration.h"

#include "tesvik/lookup/files/IndexPairDerivation.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"
#include "tesvik/lookup/stroke/StrokeRecords.h"

namespace tesvik::lookup {

IndexPairBytes deriveUserStrokeFiles(std::span<const std::uint8_t> table) {
    return deriveIndexPair<kUserStrokeRowSize>(
        table, decodeUserStrokeRow, [](const UserStrokeRow& row) { return row.count; },
        [](StrokeCountKey key, std::uint32_t first) {
            return encodeStrokeIndexEntry({key, first});
        },
        [](const UserStrokeRow& row) { return encodeStrokeRecord(strokeRecordFromRow(row)); }, kStrokeIndexEndKey);
}

UserTableFiles userStrokeTableFiles(const std::filesystem::path& userDir) {
    return {userDir / kUserStrokeTableFileName, userDir / kUserStrokeIndexFileName, userDir / kUserStrokeRecordFileName,
            deriveUserStrokeFiles};
}

lumenar::Status<Message> regenerateUserStrokeFiles(const std::filesystem::path& userDir) {
    return regenerateIndexPair(userStrokeTableFiles(userDir));
}

}  // namespace tesvik::lookup
