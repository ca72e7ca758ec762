#include "tesvik/lookup/radical/RadicalFileReaders.h"

#include <algorithm>
#include <span>

namespace tesvik::lookup {
namespace {

// Decodes each whole record of a file with decode.
template <class Record, std::size_t Size, class Decode>
lumenar::Result<std::vector<Record>, RecordFileError> readWholeFile(const std::filesystem::path& path,
                                                                    Scrambled scrambled, Decode decode) {
    using R = lumenar::Result<std::vector<Record>, RecordFileError>;
    auto file = RecordFile::open(path, Size, scrambled);
    if (!file) return R::failure(file.error());
    auto bytes = file->readAllRecords();
    if (!bytes) return R::failure(RecordFileError{RecordFileError::Kind::Unreadable, path.string()});
    std::vector<Record> records;
    records.reserve(bytes->size() / Size);
    for (std::size_t offset = 0; offset + Size <= bytes->size(); offset += Size) {
        records.push_back(decode(std::span<const std::uint8_t, Size>(bytes->data() + offset, Size)));
    }
    return records;
}

}  // namespace

lumenar::Result<std::vector<RadicalTableRecord>, RecordFileError> readRadicalTable(
    const std::filesystem::path& path) {
    return readWholeFile<RadicalTableRecord, RadicalTableRecordSize>(path, Scrambled::Yes,
                                                                     decodeRadicalTableRecord);
}

lumenar::Result<std::vector<RadicalIndexEntry>, RecordFileError> readRadicalIndex(
    const std::filesystem::path& path) {
    return readWholeFile<RadicalIndexEntry, RadicalIndexEntrySize>(path, Scrambled::No,
                                                                   decodeRadicalIndexEntry);
}

std::vector<RadicalIndexEntry> decodeRadicalIndex(std::span<const std::uint8_t> bytes) {
    std::vector<RadicalIndexEntry> entries;
    entries.reserve(bytes.size() / RadicalIndexEntrySize);
    for (std::size_t offset = 0; offset + RadicalIndexEntrySize <= bytes.size(); offset += RadicalIndexEntrySize) {
        entries.push_back(decodeRadicalIndexEntry(bytes.subspan(offset).first<RadicalIndexEntrySize>()));
    }
    return entries;
}

lumenar::Result<RecordFile, RecordFileError> openRadicalRecords(const std::filesystem::path& path) {
    return RecordFile::open(path, RadicalRecordSize, Scrambled::Yes);
}

std::optional<RadicalRecord> readRadicalRecord(RecordFile& file, std::uint64_t n) {
    const auto bytes = file.readRecord<RadicalRecordSize>(n);
    if (!bytes) return std::nullopt;
    return decodeRadicalRecord(*bytes);
}

RecordRange radicalKeyRange(const std::vector<RadicalIndexEntry>& index, const RadicalKey& key,
                            std::uint64_t recordCount) {
    const auto entry = std::find_if(index.begin(), index.end(),
                                    [&](const RadicalIndexEntry& e) { return e.key == key; });
    if (entry == index.end()) return {};
    const auto next = std::next(entry);
    const std::uint64_t end = next == index.end() ? recordCount : next->firstRecord;
    return RecordRange{std::min<std::uint64_t>(entry->firstRecord, recordCount),
                       std::min(end, recordCount)};
}

}  // namespace tesvik::lookup
