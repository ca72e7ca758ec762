#include "tesvik/lookup/radical/UserRadicalRegeneration.h"

#include "tesvik/lookup/files/IndexPairDerivation.h"
#include "tesvik/lookup/radical/RadicalFileNames.h"

namespace tesvik::lookup {

IndexPairBytes buildUserRadicalPair(std::span<const std::uint8_t> sourceTable) {
    return deriveIndexPair<kUserRadicalRowSize>(
        sourceTable, decodeUserRadicalRow, [](const UserRadicalRow& row) { return row.key; },
        [](const RadicalKey& key, std::uint32_t first) {
            return encodeRadicalIndexEntry({key, first});
        },
        [](const UserRadicalRow& row) { return encodeRadicalRecord(radicalRecordOf(row)); }, kRadicalIndexEndKey);
}

UserTableFiles userRadicalTableFiles(const std::filesystem::path& userDir) {
    const RadicalIndexPair pair = userRadicalPair(userDir);
    return {userDir / UserRadicalTableFileName, pair.index, pair.records, buildUserRadicalPair};
}

lumenar::Status<Message> regenerateUserRadicalFiles(const std::filesystem::path& userDir) {
    return regenerateIndexPair(userRadicalTableFiles(userDir));
}

}  // namespace tesvik::lookup
