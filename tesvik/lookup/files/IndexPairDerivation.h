#pragma once

// How a user source table becomes its derived pair, the same for both
// lookups: one index entry per run of rows with the same key, holding the
// number of the run's first record, then the end key with the record count;
// and one scrambled record per row. Only whole rows count.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "tesvik/lookup/files/FixedRecords.h"
#include "tesvik/lookup/files/Scrambling.h"
#include "tesvik/lookup/files/UserTableEdit.h"

namespace tesvik::lookup {

// keyOf(row) gives the row's index key; encodeEntry(key, firstRecord) an
// index entry's bytes; encodeRecord(row) the plain bytes of its record.
template <std::size_t RowSize, class DecodeRow, class KeyOf, class EncodeEntry, class EncodeRecord, class Key>
IndexPairBytes deriveIndexPair(std::span<const std::uint8_t> table, DecodeRow decodeRow, KeyOf keyOf,
                               EncodeEntry encodeEntry, EncodeRecord encodeRecord, const Key& endKey) {
    IndexPairBytes pair;
    const auto rows = decodeWholeRecords<RowSize>(table, decodeRow);
    auto append = [](std::vector<std::uint8_t>& out, const auto& bytes) {
        out.insert(out.end(), bytes.begin(), bytes.end());
    };
    std::optional<Key> groupKey;
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const Key key = keyOf(rows[n]);
        if (key != groupKey) {
            groupKey = key;
            append(pair.index, encodeEntry(key, static_cast<std::uint32_t>(n)));
        }
        auto record = encodeRecord(rows[n]);
        scrambleBytes(record);
        append(pair.records, record);
    }
    append(pair.index, encodeEntry(endKey, static_cast<std::uint32_t>(rows.size())));
    return pair;
}

}  // namespace tesvik::lookup
