#include "tesvik/lookup/radical/RadicalSearch.h"

#include <algorithm>
#include <string_view>

#include "tesvik/lookup/files/RecordFile.h"
#include "tesvik/lookup/radical/RadicalFileNames.h"
#include "tesvik/lookup/radical/RadicalFileReaders.h"
#include "tesvik/lookup/radical/RadicalStoredField.h"

namespace tesvik::lookup {
namespace {

constexpr std::size_t kCountOffset = 4;
constexpr std::size_t kStrokesOffset = 6;
constexpr std::size_t kStrokesLength = 20;
constexpr std::size_t kPinyinOffset = 26;
constexpr std::size_t kPinyinLength = 6;
constexpr std::size_t kIdentifierOffset = 32;

bool isEmpty(const RadicalQuery& q) { return q.strokes.empty() && q.count.empty() && q.pinyin.empty(); }

// A query's criteria on the stored bytes 4 to 31 (count, strokes, pinyin)
// of newmb.dat records.
class StoredRadicalQuery {
public:
    explicit StoredRadicalQuery(const RadicalQuery& query)
        : impossible_(query.strokes.size() > kStrokesLength || query.pinyin.size() > kPinyinLength ||
                      query.count.size() > 2) {
        if (impossible_) return;
        pattern_.require(kStrokesOffset - kCountOffset, storedForm(query.strokes));
        pattern_.require(0, storedForm(query.count.size() == 1 ? "0" + query.count : query.count));
        pattern_.require(kPinyinOffset - kCountOffset, storedForm(query.pinyin));
    }

    bool matches(std::span<const std::uint8_t, kRadicalTableRecordSize> stored) const {
        return !impossible_ && pattern_.matches(stored.data() + kCountOffset);
    }

private:
    StoredPattern<kPinyinOffset + kPinyinLength - kCountOffset> pattern_;
    bool impossible_;
};

RadicalCandidate candidateOf(std::span<const std::uint8_t, kRadicalTableRecordSize> stored) {
    const RadicalKey key{{unscrambledChar(stored[kCountOffset]), unscrambledChar(stored[kCountOffset + 1]),
                          unscrambledChar(stored[kIdentifierOffset]), unscrambledChar(stored[kIdentifierOffset + 1])}};
    return RadicalCandidate{storedPackedChar(stored, 0), key};
}

}  // namespace

std::vector<RadicalCandidate> searchRadicals(const std::filesystem::path& dataDir, const RadicalQuery& query) {
    std::vector<RadicalCandidate> found;
    if (isEmpty(query)) return found;
    auto file = RecordFile::open(dataDir / RadicalTableFileName, kRadicalTableRecordSize, Scrambled::No);
    if (!file) return found;
    const auto bytes = file->readAllRecords();
    if (!bytes) return found;
    const StoredRadicalQuery stored(query);
    for (std::size_t offset = 0; offset + kRadicalTableRecordSize <= bytes->size(); offset += kRadicalTableRecordSize) {
        const std::span<const std::uint8_t, kRadicalTableRecordSize> record(bytes->data() + offset,
                                                                            kRadicalTableRecordSize);
        if (stored.matches(record)) found.push_back(candidateOf(record));
    }
    return found;
}
std::optional<RadicalCandidate> radicalWithKey(const std::filesystem::path& dataDir, const RadicalKey& key) {
    const auto table = readRadicalTable(dataDir / RadicalTableFileName);
    if (!table) return std::nullopt;
    for (const RadicalTableRecord& record : *table) {
        if (record.key() == key) return RadicalCandidate{record.radical, key};
    }
    return std::nullopt;
}

}  // namespace tesvik::lookup
