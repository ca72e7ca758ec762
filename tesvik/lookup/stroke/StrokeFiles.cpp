#include "tesvik/lookup/stroke/StrokeFiles.h"

#include "tesvik/lookup/files/FixedRecords.h"

namespace tesvik::lookup {

lumenar::Result<std::vector<StrokeIndexEntry>, RecordFileError> readStrokeIndex(const std::filesystem::path& path) {
    return readWholeRecords<kStrokeIndexEntrySize>(path, Scrambled::No, decodeStrokeIndexEntry);
}

lumenar::Result<RecordFile, RecordFileError> openStrokeRecords(const std::filesystem::path& path) {
    return RecordFile::open(path, kStrokeRecordSize, Scrambled::Yes);
}

std::optional<StrokeRecord> readStrokeRecord(RecordFile& file, std::uint64_t n) {
    return readRecordAt<kStrokeRecordSize>(file, n, decodeStrokeRecord);
}

}  // namespace tesvik::lookup
