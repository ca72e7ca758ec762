#include "tesvik/lookup/stroke/StrokeFiles.h"

namespace tesvik::lookup {

lumenar::Result<std::vector<StrokeIndexEntry>, RecordFileError> readStrokeIndex(
    const std::filesystem::path& path) {
    using R = lumenar::Result<std::vector<StrokeIndexEntry>, RecordFileError>;
    auto file = RecordFile::open(path, StrokeIndexEntrySize, Scrambled::No);
    if (!file) return R::failure(file.error());
    const auto bytes = file->readAllRecords();
    if (!bytes) return R::failure(RecordFileError{RecordFileError::Kind::Unreadable, path.string()});
    std::vector<StrokeIndexEntry> entries;
    entries.reserve(bytes->size() / StrokeIndexEntrySize);
    for (std::size_t offset = 0; offset < bytes->size(); offset += StrokeIndexEntrySize) {
        entries.push_back(decodeStrokeIndexEntry(
            std::span<const std::uint8_t, StrokeIndexEntrySize>(bytes->data() + offset, StrokeIndexEntrySize)));
    }
    return entries;
}

lumenar::Result<RecordFile, RecordFileError> openStrokeRecords(const std::filesystem::path& path) {
    return RecordFile::open(path, StrokeRecordSize, Scrambled::Yes);
}

std::optional<StrokeRecord> readStrokeRecord(RecordFile& file, std::uint64_t n) {
    const auto bytes = file.readRecord<StrokeRecordSize>(n);
    if (!bytes) return std::nullopt;
    return decodeStrokeRecord(*bytes);
}

}  // namespace tesvik::lookup
