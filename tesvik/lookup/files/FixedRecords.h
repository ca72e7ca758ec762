#pragma once

// Fixed-size records, read and bounds-checked one way for every index and
// record file: only whole records are decoded, a trailing partial record is
// ignored, and a record past the last whole one is not there.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <type_traits>
#include <vector>

#include "common/Result.h"
#include "tesvik/lookup/files/RecordFile.h"

namespace tesvik::lookup {

// Decode takes std::span<const std::uint8_t, Size> and returns the record.
template <std::size_t Size, class Decode>
using DecodedRecord = std::invoke_result_t<Decode, std::span<const std::uint8_t, Size>>;

// Every whole record of bytes, in order.
template <std::size_t Size, class Decode>
std::vector<DecodedRecord<Size, Decode>> decodeWholeRecords(std::span<const std::uint8_t> bytes, Decode decode) {
    std::vector<DecodedRecord<Size, Decode>> records;
    records.reserve(bytes.size() / Size);
    for (std::size_t offset = 0; offset + Size <= bytes.size(); offset += Size) {
        records.push_back(decode(bytes.subspan(offset).template first<Size>()));
    }
    return records;
}

// Every whole record of the file at path, in file order.
template <std::size_t Size, class Decode>
lumenar::Result<std::vector<DecodedRecord<Size, Decode>>, RecordFileError> readWholeRecords(
    const std::filesystem::path& path, Scrambled scrambled, Decode decode) {
    using R = lumenar::Result<std::vector<DecodedRecord<Size, Decode>>, RecordFileError>;
    auto file = RecordFile::open(path, Size, scrambled);
    if (!file) return R::failure(file.error());
    const auto bytes = file->readAllRecords();
    if (!bytes) return R::failure(RecordFileError{RecordFileError::Kind::Unreadable, path.string()});
    return decodeWholeRecords<Size>(std::span<const std::uint8_t>(*bytes), decode);
}

// Record n of an open file; nullopt when n is not a whole record of it or
// the read fails.
template <std::size_t Size, class Decode>
std::optional<DecodedRecord<Size, Decode>> readRecordAt(RecordFile& file, std::uint64_t n, Decode decode) {
    const auto bytes = file.readRecord<Size>(n);
    if (!bytes) return std::nullopt;
    return decode(std::span<const std::uint8_t, Size>(*bytes));
}

}  // namespace tesvik::lookup
