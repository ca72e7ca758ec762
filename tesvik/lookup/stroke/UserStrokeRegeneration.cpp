#include "tesvik/lookup/stroke/UserStrokeRegeneration.h"

#include "tesvik/lookup/files/RecordFile.h"
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

UserStrokeFiles deriveUserStrokeFiles(std::span<const std::uint8_t> table) {
    UserStrokeFiles files;
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

lumenar::Status<Message> regenerateUserStrokeFiles(const std::filesystem::path& userDir) {
    using S = lumenar::Status<Message>;
    const auto tablePath = userDir / UserStrokeTableFileName;
    const auto table = readFileBytes(tablePath);
    if (!table) {
        if (table.error().kind == RecordFileError::Kind::Missing) {
            return S::failure(message(MessageId::SourceTableMissing, tablePath.string()));
        }
        return S::failure(message(MessageId::SourceTableError));
    }
    const UserStrokeFiles files = deriveUserStrokeFiles(*table);
    if (!replaceFileContents(userDir / UserStrokeRecordFileName, files.records) ||
        !replaceFileContents(userDir / UserStrokeIndexFileName, files.index)) {
        return S::failure(message(MessageId::TableWriteFailed));
    }
    return {};
}

}  // namespace tesvik::lookup
