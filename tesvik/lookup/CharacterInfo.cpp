#include "tesvik/lookup/CharacterInfo.h"

#include "tesvik/chars/CodeText.h"
#include "tesvik/chars/CopyFormats.h"
#include "tesvik/chars/Utf8Scalar.h"
#include "tesvik/chars/PuaTables.h"
#include "tesvik/lookup/pinyin/PinyinByCodeFile.h"
#include "tesvik/lookup/pinyin/PinyinCurrentChar.h"
#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/lookup/radical/RadicalFileReaders.h"
#include "tesvik/lookup/stroke/StrokeFiles.h"

#include <algorithm>

namespace tesvik::lookup {

namespace {

// Grid values of the stroke and radical files may be packed pairs or scalars.
bool sameCharacter(chars::PackedChar stored, std::uint32_t codePoint) {
    return chars::codePointOf(stored) == codePoint;
}

void addStrokeFilings(const std::filesystem::path& records, std::uint32_t codePoint, bool user,
                      std::vector<StrokeFiling>& out) {
    auto file = openStrokeRecords(records);
    if (!file) return;
    const auto bytes = file->readAllRecords();
    if (!bytes) return;
    for (std::size_t at = 0; at + kStrokeRecordSize <= bytes->size(); at += kStrokeRecordSize) {
        const StrokeRecord record =
            decodeStrokeRecord(std::span<const std::uint8_t, kStrokeRecordSize>(bytes->data() + at, kStrokeRecordSize));
        if (!sameCharacter(record.character, codePoint)) continue;
        std::string strokes(record.strokes.begin(), record.strokes.end());
        strokes.erase(std::find(strokes.begin(), strokes.end(), '0'), strokes.end());
        out.push_back({record.count.numericValue(), std::move(strokes), user});
    }
}

chars::PackedChar radicalOfKey(const std::vector<RadicalTableRecord>& table, const RadicalKey& key) {
    for (const RadicalTableRecord& radical : table)
        if (radical.key() == key) return radical.radical;
    return 0;
}

// The key whose range holds record n: the last entry starting at or before it.
std::optional<RadicalKey> keyOfRecord(const std::vector<RadicalIndexEntry>& index, std::uint64_t n) {
    std::optional<RadicalKey> key;
    for (const RadicalIndexEntry& entry : index) {
        if (entry.key == kRadicalIndexEndKey || entry.firstRecord > n) break;
        key = entry.key;
    }
    return key;
}

void addRadicalFilings(const RadicalIndexPair& pair, const std::vector<RadicalTableRecord>& table,
                       std::uint32_t codePoint, bool user, std::vector<RadicalFiling>& out) {
    const auto index = readRadicalIndex(pair.index);
    auto file = openRadicalRecords(pair.records);
    if (!index || !file) return;
    const auto bytes = file->readAllRecords();
    if (!bytes) return;
    for (std::size_t at = 0; at + kRadicalRecordSize <= bytes->size(); at += kRadicalRecordSize) {
        const RadicalRecord record = decodeRadicalRecord(
            std::span<const std::uint8_t, kRadicalRecordSize>(bytes->data() + at, kRadicalRecordSize));
        if (!sameCharacter(record.character, codePoint)) continue;
        const std::optional<RadicalKey> key = keyOfRecord(index.value(), at / kRadicalRecordSize);
        if (!key) continue;
        const auto& digits = record.remaining;
        std::optional<int> remaining;
        if (digits[0] >= '0' && digits[0] <= '9' && digits[1] >= '0' && digits[1] <= '9')
            remaining = (digits[0] - '0') * 10 + (digits[1] - '0');
        out.push_back({radicalOfKey(table, *key), remaining, user});
    }
}

std::vector<std::string> readingsOf(chars::PackedChar value, PinyinByCodeFile& file) {
    std::vector<std::string> readings = pinyinReadingsOf(value, file, "");
    std::erase_if(readings, [](const std::string& r) { return r.empty(); });
    return readings;
}

}  // namespace

CharacterInfo describeCharacter(chars::PackedChar value, const CharacterDataFolders& folders) {
    CharacterInfo info;
    const std::uint32_t codePoint = chars::codePointOf(value);
    info.value = chars::packCodePoint(codePoint);
    info.unicodeCode = chars::unicodeCodeText(info.value);
    info.gb18030Code = chars::gb18030CodeText(info.value);
    info.block = chars::blockNameOf(info.value);
    info.codeSpace = chars::codeSpaceColourOf(info.value);

    addStrokeFilings(folders.data / kShippedStrokeRecordFileName, codePoint, false, info.strokes);
    addStrokeFilings(folders.user / kUserStrokeRecordFileName, codePoint, true, info.strokes);

    const auto table = readRadicalTable(folders.data / RadicalTableFileName);
    const std::vector<RadicalTableRecord> radicals = table ? table.value() : std::vector<RadicalTableRecord>{};
    addRadicalFilings(shippedRadicalPair(folders.data), radicals, codePoint, false, info.radicals);
    addRadicalFilings(userRadicalPair(folders.user), radicals, codePoint, true, info.radicals);

    if (auto pinyin = PinyinByCodeFile::open(folders.data / "pinyindataorderbycode.data")) {
        info.readings = readingsOf(info.value, pinyin.value());
        if (info.radicals.empty()) {
            if (const chars::PackedChar radical = pinyinRadicalOf(info.value, pinyin.value()); radical != 0)
                info.radicals.push_back({radical, std::nullopt, false});
        }
    }

    info.standardTwin = chars::standardTwinOf(info.value);
    if (auto pua = chars::puaOfStandard(codePoint, chars::registerStandardMap()))
        info.registerTwin = chars::packCodePoint(*pua);
    return info;
}

std::optional<chars::PackedChar> firstCharacterOf(std::string_view utf8) {
    std::size_t length = 0;
    const auto scalar = chars::leadingUtf8Scalar(utf8, length);
    if (!scalar || *scalar == 0) return std::nullopt;
    return chars::packCodePoint(*scalar);
}

}  // namespace tesvik::lookup
