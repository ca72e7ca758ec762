#include "tesvik/lookup/radical/RadicalFileReaders.h"

#include <algorithm>

#include "tesvik/lookup/files/FixedRecords.h"

namespace tesvik::lookup {

lumenar::Result<std::vector<RadicalTableRecord>, RecordFileError> readRadicalTable(const std::filesystem::path& path) {
    return readWholeRecords<kRadicalTableRecordSize>(path, Scrambled::Yes, decodeRadicalTableRecord);
}

lumenar::Result<std::vector<RadicalIndexEntry>, RecordFileError> readRadicalIndex(const std::filesystem::path& path) {
    return readWholeRecords<kRadicalIndexEntrySize>(path, Scrambled::No, decodeRadicalIndexEntry);
}

std::vector<RadicalIndexEntry> decodeRadicalIndex(std::span<const std::uint8_t> bytes) {
    return decodeWholeRecords<kRadicalIndexEntrySize>(bytes, decodeRadicalIndexEntry);
}

lumenar::Result<RecordFile, RecordFileError> openRadicalRecords(const std::filesystem::path& path) {
    return RecordFile::open(path, kRadicalRecordSize, Scrambled::Yes);
}

std::optional<RadicalRecord> readRadicalRecord(RecordFile& file, std::uint64_t n) {
    return readRecordAt<kRadicalRecordSize>(file, n, decodeRadicalRecord);
}

RecordRange radicalKeyRange(const std::vector<RadicalIndexEntry>& index, const RadicalKey& key,
                            std::uint64_t recordCount) {
    const auto entry =
        std::find_if(index.begin(), index.end(), [&](const RadicalIndexEntry& e) { return e.key == key; });
    if (entry == index.end()) return {};
    const auto next = std::next(entry);
    const std::uint64_t end = next == index.end() ? recordCount : next->firstRecord;
    return RecordRange{std::min<std::uint64_t>(entry->firstRecord, recordCount), std::min(end, recordCount)};
}

}  // namespace tesvik::lookup
