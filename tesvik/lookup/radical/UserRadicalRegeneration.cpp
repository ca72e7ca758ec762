#include "tesvik/lookup/radical/UserRadicalRegeneration.h"

#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/lookup/files/Scrambling.h"

namespace tesvik::lookup {
namespace {

template <std::size_t N>
void append(std::vector<std::uint8_t>& out, const std::array<std::uint8_t, N>& bytes) {
    out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

IndexPairBytes buildUserRadicalPair(std::span<const std::uint8_t> sourceTable) {
    IndexPairBytes pair;
    const std::size_t rows = sourceTable.size() / UserRadicalRowSize;
    std::optional<RadicalKey> groupKey;
    for (std::size_t n = 0; n < rows; ++n) {
        const UserRadicalRow row =
            decodeUserRadicalRow(sourceTable.subspan(n * UserRadicalRowSize).first<UserRadicalRowSize>());
        if (row.key != groupKey) {
            groupKey = row.key;
            append(pair.index, encodeRadicalIndexEntry({row.key, static_cast<std::uint32_t>(n)}));
        }
        auto record = encodeRadicalRecord(radicalRecordOf(row));
        scrambleBytes(record);
        append(pair.records, record);
    }
    append(pair.index, encodeRadicalIndexEntry({RadicalIndexEndKey, static_cast<std::uint32_t>(rows)}));
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
