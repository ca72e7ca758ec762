#include "tesvik/lookup/radical/RadicalRecords.h"

#include <algorithm>

#include "tesvik/lookup/files/PackedCharBytes.h"
#include "tesvik/lookup/files/RecordFields.h"

namespace tesvik::lookup {
namespace {

chars::PackedChar packedAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return readPackedChar(bytes.subspan(offset).first<4>());
}

}  // namespace

std::optional<RadicalKey> RadicalKey::fromText(std::string_view text) {
    if (text.size() != 4) return std::nullopt;
    RadicalKey key;
    std::copy(text.begin(), text.end(), key.chars.begin());
    return key;
}

std::string UserRadicalRow::sortText() const {
    std::string text(key.text());
    text.append(remaining.data(), remaining.size());
    text.append(strokes.data(), strokes.size());
    return text;
}

std::string userRadicalInsertText(const RadicalKey& key, std::array<char, 2> remaining, std::string_view strokes) {
    std::string text(key.text());
    text.append(remaining.data(), remaining.size());
    text.append(strokes);
    return text;
}

RadicalTableRecord decodeRadicalTableRecord(std::span<const std::uint8_t, kRadicalTableRecordSize> plain) {
    RadicalTableRecord r;
    r.radical = packedAt(plain, 0);
    r.count = charsAt<2>(plain, 4);
    r.strokes = charsAt<20>(plain, 6);
    r.pinyin = charsAt<6>(plain, 26);
    r.identifier = charsAt<2>(plain, 32);
    return r;
}

std::array<std::uint8_t, kRadicalTableRecordSize> encodeRadicalTableRecord(const RadicalTableRecord& r) {
    std::array<std::uint8_t, kRadicalTableRecordSize> out{};
    putBytes(out, 0, packedCharBytes(r.radical));
    putChars(out, 4, r.count);
    putChars(out, 6, r.strokes);
    putChars(out, 26, r.pinyin);
    putChars(out, 32, r.identifier);
    return out;
}

RadicalIndexEntry decodeRadicalIndexEntry(std::span<const std::uint8_t, kRadicalIndexEntrySize> bytes) {
    return RadicalIndexEntry{RadicalKey{charsAt<4>(bytes, 0)}, readUint32Le(bytes.last<4>())};
}

std::array<std::uint8_t, kRadicalIndexEntrySize> encodeRadicalIndexEntry(const RadicalIndexEntry& e) {
    std::array<std::uint8_t, kRadicalIndexEntrySize> out{};
    putChars(out, 0, e.key.chars);
    putBytes(out, 4, uint32LeBytes(e.firstRecord));
    return out;
}

RadicalRecord decodeRadicalRecord(std::span<const std::uint8_t, kRadicalRecordSize> plain) {
    RadicalRecord r;
    r.character = packedAt(plain, 0);
    r.remaining = charsAt<2>(plain, 4);
    r.strokes = charsAt<4>(plain, 6);
    r.marker = static_cast<char>(plain[10]);
    return r;
}

std::array<std::uint8_t, kRadicalRecordSize> encodeRadicalRecord(const RadicalRecord& r) {
    std::array<std::uint8_t, kRadicalRecordSize> out{};
    putBytes(out, 0, packedCharBytes(r.character));
    putChars(out, 4, r.remaining);
    putChars(out, 6, r.strokes);
    out[10] = static_cast<std::uint8_t>(r.marker);
    return out;
}

UserRadicalRow decodeUserRadicalRow(std::span<const std::uint8_t, kUserRadicalRowSize> bytes) {
    UserRadicalRow row;
    row.character = packedAt(bytes, 0);
    row.marker = static_cast<char>(bytes[4]);
    row.key = RadicalKey{charsAt<4>(bytes, 5)};
    row.remaining = charsAt<2>(bytes, 9);
    row.strokes = charsAt<4>(bytes, 11);
    return row;
}

std::array<std::uint8_t, kUserRadicalRowSize> encodeUserRadicalRow(const UserRadicalRow& row) {
    std::array<std::uint8_t, kUserRadicalRowSize> out{};
    putBytes(out, 0, packedCharBytes(row.character));
    out[4] = static_cast<std::uint8_t>(row.marker);
    putChars(out, 5, row.key.chars);
    putChars(out, 9, row.remaining);
    putChars(out, 11, row.strokes);
    out[15] = '\n';
    return out;
}

RadicalRecord radicalRecordOf(const UserRadicalRow& row) {
    return RadicalRecord{row.character, row.remaining, row.strokes, row.marker};
}

}  // namespace tesvik::lookup
