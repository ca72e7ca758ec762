#include "tesvik/lookup/radical/UserRadicalRegeneration.h"

#include "tesvik/lookup/files/FixedRecords.h"
#include "tesvik/lookup/files/Scrambling.h"
#include "tesvik/lookup/radical/RadicalFileNames.h"

namespace tesvik::lookup {
namespace {

template <std::size_t N>
void append(std::vector<std::uint8_t>& out, const std::array<std::uint8_t, N>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

IndexPairBytes buildUserRadicalPair(std::span<const std::uint8_t> sourceTable) {
    IndexPairBytes pair;
    const auto rows = decodeWholeRecords<UserRadicalRowSize>(sourceTable, decodeUserRadicalRow);
    std::optional<RadicalKey> groupKey;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        if (rows[n].key != groupKey) {
            groupKey = rows[n].key;
            append(pair.index, encodeRadicalIndexEntry({rows[n].key, static_cast<std::uint32_t>(n)}));
        }
        auto record = encodeRadicalRecord(radicalRecordOf(rows[n]));
        scrambleBytes(record);
        append(pair.records, record);
    }
    append(pair.index, encodeRadicalIndexEntry({RadicalIndexEndKey, static_cast<std::uint32_t>(rows.size())}));
    return pair;
}

UserTableFiles userRadicalTableFiles(const std::filesystem::path& userDir) {
    const RadicalIndexPair pair = userRadicalPair(userDir);
    return {userDir / UserRadicalTableFileName, pair.index, pair.records, buildUserRadicalPair};
}

lumenar::Status<Message> regenerateUserRadicalFiles(const std::filesystem::path& userDir) {
    return regenerateIndexPair(userRadicalTableFiles(userDir));
}

}  // namespace tesvik::lookup
