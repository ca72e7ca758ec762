#include "tesvik/lookup/stroke/StrokeRecords.h"

#include "tesvik/lookup/files/PackedCharBytes.h"
#include "tesvik/lookup/files/RecordFields.h"

namespace tesvik::lookup {
int StrokeCountKey::numericValue() const {
    int value = 0;
    for (char c : chars) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
    }
    return value;
}

StrokeIndexEntry decodeStrokeIndexEntry(std::span<const std::uint8_t, kStrokeIndexEntrySize> bytes) {
    return StrokeIndexEntry{StrokeCountKey{charsAt<2>(bytes, 0)}, readUint32Le(bytes.subspan<2, 4>())};
}

std::array<std::uint8_t, kStrokeIndexEntrySize> encodeStrokeIndexEntry(const StrokeIndexEntry& entry) {
    std::array<std::uint8_t, kStrokeIndexEntrySize> bytes{};
    putChars(bytes, 0, entry.key.chars);
    putBytes(bytes, 2, uint32LeBytes(entry.firstRecord));
    return bytes;
}

StrokeRecord decodeStrokeRecord(std::span<const std::uint8_t, kStrokeRecordSize> bytes) {
    return StrokeRecord{readPackedChar(bytes.first<4>()), StrokeCountKey{charsAt<2>(bytes, 4)},
                        static_cast<char>(bytes[6]), charsAt<kStrokeFieldLength>(bytes, 7)};
}

std::array<std::uint8_t, kStrokeRecordSize> encodeStrokeRecord(const StrokeRecord& record) {
    std::array<std::uint8_t, kStrokeRecordSize> bytes{};
    putBytes(bytes, 0, packedCharBytes(record.character));
    putChars(bytes, 4, record.count.chars);
    bytes[6] = static_cast<std::uint8_t>(record.marker);
    putChars(bytes, 7, record.strokes);
    return bytes;
}

UserStrokeRow decodeUserStrokeRow(std::span<const std::uint8_t, kUserStrokeRowSize> bytes) {
    return UserStrokeRow{StrokeCountKey{charsAt<2>(bytes, 0)}, charsAt<kStrokeFieldLength>(bytes, 2),
                         readPackedChar(bytes.subspan<12, 4>()), static_cast<char>(bytes[16])};
}

std::array<std::uint8_t, kUserStrokeRowSize> encodeUserStrokeRow(const UserStrokeRow& row) {
    std::array<std::uint8_t, kUserStrokeRowSize> bytes{};
    putChars(bytes, 0, row.count.chars);
    putChars(bytes, 2, row.strokes);
    putBytes(bytes, 12, packedCharBytes(row.character));
    bytes[16] = static_cast<std::uint8_t>(row.marker);
    bytes[17] = '\n';
    return bytes;
}

StrokeRecord strokeRecordFromRow(const UserStrokeRow& row) {
    return StrokeRecord{row.character, row.count, row.marker, row.strokes};
}

}  // namespace tesvik::lookup
