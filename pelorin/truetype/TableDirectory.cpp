#include "pelorin/truetype/TableDirectory.h"

#include <algorithm>

#include "pelorin/truetype/TableChecksum.h"

namespace pelorin::truetype {

TrueTypeResult<TableDirectory> ParseTableDirectory(const ByteView& file, size_t at,
                                                   std::span<const uint32_t> acceptedVersions) {
    using R = TrueTypeResult<TableDirectory>;
    const auto offsetTable = file.Sub(at, OffsetTable::kSize);
    if (!offsetTable) return R::failure(MakeError(TrueTypeErrorKind::NotTrueType, "offset table truncated"));
    TableDirectory directory;
    directory.sfntVersion = *ReadField(offsetTable->bytes(), OffsetTable::sfntVersion);
    const uint16_t numTables = *ReadField(offsetTable->bytes(), OffsetTable::numTables);
    if (std::ranges::find(acceptedVersions, directory.sfntVersion) == acceptedVersions.end()) {
        return R::failure(MakeError(TrueTypeErrorKind::NotTrueType, "not a TrueType-outline font"));
    }
    const auto records = file.Sub(at + OffsetTable::kSize, DirectoryRecordLayout::kSize * numTables);
    if (!records)
        return R::failure(MakeError(TrueTypeErrorKind::Malformed, "table directory runs past the end of the file"));

    for (size_t i = 0; i < numTables; ++i) {
        const auto bytes = records->bytes().subspan(DirectoryRecordLayout::kSize * i, DirectoryRecordLayout::kSize);
        const DirectoryRecord record{
            *ReadField(bytes, DirectoryRecordLayout::tag), *ReadField(bytes, DirectoryRecordLayout::checkSum),
            *ReadField(bytes, DirectoryRecordLayout::offset), *ReadField(bytes, DirectoryRecordLayout::length)};
        const std::string name = "table '" + TagText(record.tag) + "'";
        if (!file.Has(record.offset, record.length)) {
            return R::failure(MakeError(TrueTypeErrorKind::Malformed, name + " lies outside the file"));
        }
        if (std::ranges::any_of(directory.records, [&](const DirectoryRecord& r) { return r.tag == record.tag; })) {
            return R::failure(MakeError(TrueTypeErrorKind::Malformed, name + " listed twice"));
        }
        directory.records.push_back(record);
    }
    return directory;
}

void WriteTableDirectory(std::span<uint8_t> out, std::span<const DirectoryRecord> records) {
    const auto numTables = static_cast<uint16_t>(records.size());
    const SearchFields search = SearchFieldsFor(numTables, DirectoryRecordLayout::kSize);
    WriteField(out, OffsetTable::sfntVersion, kTrueTypeVersion);
    WriteField(out, OffsetTable::numTables, numTables);
    WriteField(out, OffsetTable::searchRange, search.searchRange);
    WriteField(out, OffsetTable::entrySelector, search.entrySelector);
    WriteField(out, OffsetTable::rangeShift, search.rangeShift);
    for (size_t i = 0; i < records.size(); ++i) {
        const auto bytes =
            out.subspan(OffsetTable::kSize + DirectoryRecordLayout::kSize * i, DirectoryRecordLayout::kSize);
        WriteField(bytes, DirectoryRecordLayout::tag, records[i].tag);
        WriteField(bytes, DirectoryRecordLayout::checkSum, records[i].checkSum);
        WriteField(bytes, DirectoryRecordLayout::offset, records[i].offset);
        WriteField(bytes, DirectoryRecordLayout::length, records[i].length);
    }
}

}  // namespace pelorin::truetype
